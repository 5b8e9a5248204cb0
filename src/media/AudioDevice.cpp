// AudioDevice.cpp: loading sounds from files.
#include "media/AudioDevice.hpp"

#include "media/FileSystem.hpp"
#include "media/Report.hpp"

namespace media
{
Sound AudioDevice::loadFile(const std::string& path, unsigned flags)
{
    std::optional<std::string> bytes = fs::readBytes(path);
    if (!bytes) {
        report(path, "sound file missing or unreadable; it plays nothing");
        return {};
    }
    return load(*bytes, flags, path);
}
} // namespace media
