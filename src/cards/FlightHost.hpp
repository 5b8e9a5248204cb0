// FlightHost.hpp: what a flight's arrival asks of the level it belongs to.
#pragma once

class TFlyingCard;

class FlightHost
{
public:
    virtual ~FlightHost() = default;
    // The flight has ended: what its movement stands for happens now (an identity joins the
    // spot, a magic card is found, ...).
    virtual void flightLanded(TFlyingCard& flight) = 0;
    // The hammer's swell is over: the rocks may break now.
    virtual void rocksOpen(TFlyingCard& flight) = 0;
    // A sword has reached its place on the rack.
    virtual void swordRacked(TFlyingCard& flight) = 0;
};
