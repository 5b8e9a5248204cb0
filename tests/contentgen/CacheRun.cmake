# Runs contentgen (TOOL) with a cache over a copy of the English captions table, as the build
# does: a second run with nothing changed runs no generator; new words for one caption run that
# caption's generator alone and change its picture; a picture gone from the output folder is
# drawn again. Run with cmake -DTOOL=... -DFONT=... -DCONTENT=... -DWORK=... -P.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/content/txt/en")
file(COPY_FILE "${CONTENT}/txt/en/captions.txt" "${WORK}/content/txt/en/captions.txt")

# Runs the tool on two cheap generators; `expected` of them must have been up to date.
function(generate expected)
    execute_process(
        COMMAND "${TOOL}" --out "${WORK}/out" --font "${FONT}" --content "${WORK}/content"
                --cache "${WORK}/cache" --only gfx/white.png "gfx/captions/*/play.png" --quiet
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "contentgen failed (${status}):\n${out}${err}")
    endif()
    string(FIND "${out}" "(${expected} of 2 up to date)" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "expected ${expected} of 2 generators up to date, got:\n${out}")
    endif()
endfunction()

set(play "${WORK}/out/gfx/captions/en/play.png")
generate(0)
file(COPY_FILE "${play}" "${WORK}/play-before.png")
generate(2)

file(READ "${WORK}/content/txt/en/captions.txt" table)
string(REPLACE "Play!\n" "Deal!\n" table "${table}")
file(WRITE "${WORK}/content/txt/en/captions.txt" "${table}")
generate(1)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${play}" "${WORK}/play-before.png"
                RESULT_VARIABLE same)
if(same EQUAL 0)
    message(FATAL_ERROR "the play caption was not drawn again with its new words")
endif()
generate(2)

file(REMOVE "${WORK}/out/gfx/white.png")
generate(1)
if(NOT EXISTS "${WORK}/out/gfx/white.png")
    message(FATAL_ERROR "gfx/white.png was not drawn again")
endif()
file(REMOVE_RECURSE "${WORK}")
