# talvex_test(<name> SOURCES ... [LIBS ...] [LOCKS ...] [WINDOWS_ONLY] [OWN_MAIN])
# One ctest entry per test executable. LOCKS names shared resources (the
# registry key, the single-instance mutex, the tray) so that tests touching
# the same one never run at the same time.
function(talvex_test name)
    cmake_parse_arguments(T "WINDOWS_ONLY;OWN_MAIN" "" "SOURCES;LIBS;LOCKS" ${ARGN})
    if(T_WINDOWS_ONLY AND NOT WIN32)
        return()
    endif()
    add_executable(${name} ${T_SOURCES})
    if(T_OWN_MAIN)
        target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest)
    else()
        target_link_libraries(${name} PRIVATE ${T_LIBS} gmock_main)
    endif()
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    if(T_LOCKS)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

# talvex_split_debug(<target>): the build of a program that tools/run.sh
# starts and a user gets carries no debug sections and no symbol table.
# They are moved to <file>.debug beside it, which a debugger finds through
# the debug link.
function(talvex_split_debug target)
    if(NOT WIN32)
        return()
    endif()
    set(file $<TARGET_FILE:${target}>)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug ${file} ${file}.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${file}.debug ${file}
        VERBATIM)
endfunction()
