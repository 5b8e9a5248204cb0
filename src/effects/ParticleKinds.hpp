// ParticleKinds.hpp: the kinds of particle the game makes, each one call.
#pragma once

// A drop splashing from an ice card, falling to one side.
void particleSplash(float x, float y, int delay);
// A spark from a played card to the multiplier.
void particleFlyToCombo(float x, float y, int delay);
// A stone chip from broken rocks; `rightOnly` sends it to the right.
void particleStoneChip(float x, float y, bool rightOnly);
// A puff of melting snow.
void particleSnow(float x, float y, bool rightOnly);
// A sparkle of a sword used or racked.
void particleSwordSparkle(float x, float y, int delay);
// Glitter of a coin.
void particleCoin(float x, float y);
// Short radial bursts.
void particleBurstMagenta(float x, float y);
void particleBurstRed(float x, float y, float length);
void particleBurstGreen(float x, float y, float length);
void particleBurstWhiteFixed(float x, float y);
void particleBurstColour(float x, float y, float length, int r, int g, int b);
// An emitter's falling spark and its glint.
void particleSpark(float x, float y);
void particleGlint(float x, float y);
// The glow of the shaken cash panel, k times as large.
void particlePanelGlow(float x, float y, float k);

// The bursts of a table card (Part of its own life: ice played, rocks broken, snow cleared, a
// play flying to the multiplier).
void generateWaterParticles(float x, float y);
void generateRockParticles(float x, float y);
void generateSnowParticles(float x, float y);
void generateFlyToComboParticles(float x, float y);
