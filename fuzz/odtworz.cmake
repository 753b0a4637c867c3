# Each fuzzer's committed corpus (fuzz/corpus/<name>) replayed as an ordinary test by
# fuzz/odtworz.cpp: fuzz_<name>_replay. The fuzzers use FuzzedDataProvider.h, a header that
# comes with clang; it is copied alone into the build (the rest of clang's resource headers
# do not suit other compilers). Without clang the replays are left out.
file(GLOB VYN_FDP_KANDYDACI /usr/lib/llvm-*/lib/clang/*/include /usr/lib/clang/*/include)
find_path(VYN_FDP_DIR fuzzer/FuzzedDataProvider.h PATHS ${VYN_FDP_KANDYDACI})
if(NOT VYN_FDP_DIR)
    message(STATUS "FuzzedDataProvider.h not found (install clang): corpus replays left out")
    return()
endif()
configure_file(${VYN_FDP_DIR}/fuzzer/FuzzedDataProvider.h
               ${CMAKE_BINARY_DIR}/fdp/fuzzer/FuzzedDataProvider.h COPYONLY)
foreach(cel plik_vyn halor edytor silnik pla)
    add_executable(fuzz_${cel}_replay ${PROJECT_SOURCE_DIR}/fuzz/fuzz_${cel}.cpp
                                      ${PROJECT_SOURCE_DIR}/fuzz/odtworz.cpp)
    target_include_directories(fuzz_${cel}_replay SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/fdp)
    target_link_libraries(fuzz_${cel}_replay PRIVATE vyn_core)
    add_test(NAME fuzz_${cel}_replay
             COMMAND fuzz_${cel}_replay ${PROJECT_SOURCE_DIR}/fuzz/corpus/${cel})
endforeach()
target_include_directories(fuzz_silnik_replay PRIVATE ${PROJECT_SOURCE_DIR}/tests/core/qm)
target_link_libraries(fuzz_silnik_replay PRIVATE vyn_reference)
