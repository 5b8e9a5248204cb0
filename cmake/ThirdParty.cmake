# Third-party libraries. Only the media layer (and the content tool) may see their headers,
# so they sit behind INTERFACE targets that are linked PRIVATE.
find_package(PkgConfig REQUIRED)
find_package(SDL2 REQUIRED CONFIG)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(Freetype REQUIRED)
find_package(Threads REQUIRED)
find_package(OpenAL REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo cairo-ft)
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)

add_library(eldmere_media_deps INTERFACE)
target_link_libraries(eldmere_media_deps INTERFACE SDL2::SDL2 PNG::PNG JPEG::JPEG Freetype::Freetype
                      OpenAL::OpenAL PkgConfig::VORBISFILE)
