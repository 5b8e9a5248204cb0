# Warning flags shared by every target of ours, through one INTERFACE target.
add_library(eldmere_warnings INTERFACE)
target_compile_options(eldmere_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(ELDMERE_WERROR)
    target_compile_options(eldmere_warnings INTERFACE -Werror)
endif()
if(ELDMERE_SANITIZE)
    target_compile_options(eldmere_warnings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                           -fno-sanitize-recover=undefined)
    target_link_options(eldmere_warnings INTERFACE -fsanitize=address,undefined)
endif()
