// AlHandles.hpp: owning handles for OpenAL objects.
#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include <memory>
#include <utility>

namespace media::openal
{
struct DeviceCloser
{
    void operator()(ALCdevice* d) const { alcCloseDevice(d); }
};
struct ContextDestroyer
{
    void operator()(ALCcontext* c) const
    {
        if (alcGetCurrentContext() == c)
            alcMakeContextCurrent(nullptr);
        alcDestroyContext(c);
    }
};

using DevicePtr = std::unique_ptr<ALCdevice, DeviceCloser>;
using ContextPtr = std::unique_ptr<ALCcontext, ContextDestroyer>;

// An OpenAL name (buffer or source) owned by one object and deleted with it; 0 when making it
// failed. `Gen` and `Delete` are alGenBuffers/alDeleteBuffers or alGenSources/alDeleteSources.
template <void (*Gen)(ALsizei, ALuint*), void (*Delete)(ALsizei, const ALuint*)>
class AlName
{
public:
    AlName() = default;
    ~AlName() { reset(); }
    AlName(AlName&& other) noexcept : name_(std::exchange(other.name_, 0)) {}
    AlName& operator=(AlName&& other) noexcept
    {
        if (this != &other) {
            reset();
            name_ = std::exchange(other.name_, 0);
        }
        return *this;
    }
    AlName(const AlName&) = delete;
    AlName& operator=(const AlName&) = delete;

    // A new name, or an empty handle when OpenAL has none left.
    static AlName make()
    {
        AlName made;
        alGetError();
        ALuint name = 0;
        Gen(1, &name);
        if (alGetError() == AL_NO_ERROR)
            made.name_ = name;
        return made;
    }

    ALuint get() const { return name_; }
    explicit operator bool() const { return name_ != 0; }

private:
    void reset()
    {
        if (name_ != 0)
            Delete(1, &name_);
        name_ = 0;
    }

    ALuint name_ = 0;
};

inline void genBuffers(ALsizei n, ALuint* names)
{
    alGenBuffers(n, names);
}
inline void deleteBuffers(ALsizei n, const ALuint* names)
{
    alDeleteBuffers(n, names);
}
inline void genSources(ALsizei n, ALuint* names)
{
    alGenSources(n, names);
}
inline void deleteSources(ALsizei n, const ALuint* names)
{
    alDeleteSources(n, names);
}

// Sample memory on the device.
using AlBuffer = AlName<genBuffers, deleteBuffers>;
// A voice that plays buffers.
using AlSource = AlName<genSources, deleteSources>;
} // namespace media::openal
