// ParticleKinds.hpp: the kinds of particle the game makes, each one call adding to a list.
#pragma once

#include "effects/TParticle.hpp"

// A drop splashing from an ice card, falling to one side.
void particleSplash(ParticleList& list, float x, float y, int delay);
// A spark from a played card to the multiplier.
void particleFlyToCombo(ParticleList& list, float x, float y, int delay);
// A stone chip from broken rocks; `rightOnly` sends it to the right.
void particleStoneChip(ParticleList& list, float x, float y, bool rightOnly);
// A puff of melting snow.
void particleSnow(ParticleList& list, float x, float y, bool rightOnly);
// A sparkle of a sword used or racked.
void particleSwordSparkle(ParticleList& list, float x, float y, int delay);
// Glitter of a coin.
void particleCoin(ParticleList& list, float x, float y);
// Short radial bursts.
void particleBurstMagenta(ParticleList& list, float x, float y);
void particleBurstRed(ParticleList& list, float x, float y, float length);
void particleBurstGreen(ParticleList& list, float x, float y, float length);
void particleBurstWhiteFixed(ParticleList& list, float x, float y);
void particleBurstColour(ParticleList& list, float x, float y, float length, int r, int g, int b);
// An emitter's falling spark and its glint.
void particleSpark(ParticleList& list, float x, float y);
void particleGlint(ParticleList& list, float x, float y);
// The glow of the shaken cash panel, k times as large.
void particlePanelGlow(ParticleList& list, float x, float y, float k);

// The bursts of a table card (Part of its own life: ice played, rocks broken, snow cleared, a
// play flying to the multiplier).
void generateWaterParticles(ParticleList& list, float x, float y);
void generateRockParticles(ParticleList& list, float x, float y);
void generateSnowParticles(ParticleList& list, float x, float y);
void generateFlyToComboParticles(ParticleList& list, float x, float y);
