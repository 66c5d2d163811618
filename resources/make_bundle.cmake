# Packs every file of the given folders, each named by its resource number,
# into one binary Qt resource bundle under the prefix "/orvanta".
#   cmake -DRCC=... -DQRC=... -DOUT=... -DDIRS="a;b" -P make_bundle.cmake
set(entries "")
foreach(dir IN LISTS DIRS)
    file(GLOB files LIST_DIRECTORIES false "${dir}/*")
    foreach(f IN LISTS files)
        get_filename_component(name "${f}" NAME)
        if(name MATCHES "^[0-9]+$")
            string(APPEND entries "    <file alias=\"${name}\">${f}</file>\n")
        endif()
    endforeach()
endforeach()
file(WRITE "${QRC}.new" "<RCC>\n  <qresource prefix=\"/orvanta\">\n${entries}  </qresource>\n</RCC>\n")
file(COPY_FILE "${QRC}.new" "${QRC}" ONLY_IF_DIFFERENT)
# rcc's default threshold compresses only files that shrink by 70 %; question
# pages shrink by about 60 %, so every file that shrinks by a tenth is compressed.
execute_process(COMMAND "${RCC}" --binary --compress-algo zlib --threshold 10 -o "${OUT}" "${QRC}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "rcc failed on ${QRC}")
endif()
