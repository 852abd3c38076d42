# The oldest Windows the programs load on, for the Windows builds: the
# headers are held to its API (_WIN32_WINNT, WINVER), and every program's PE
# header names it as the subsystem and operating-system version, so that an
# older system refuses it with a clear message instead of failing on a
# missing import. The toolchain's thread runtime, linked statically, imports
# GetTickCount64, which first came with Windows Vista (6.0); that decides it.
# The README's "Supported systems:" line says the same, and each program's
# header is checked against it after the link (tools/check_pe_version.py).
set(QV_WINDOWS_MAJOR 6)
set(QV_WINDOWS_MINOR 0)
math(EXPR QV_WIN32_WINNT "(${QV_WINDOWS_MAJOR} << 8) | ${QV_WINDOWS_MINOR}" OUTPUT_FORMAT HEXADECIMAL)

add_compile_definitions(_WIN32_WINNT=${QV_WIN32_WINNT} WINVER=${QV_WIN32_WINNT})
add_link_options(
  -Wl,--major-subsystem-version,${QV_WINDOWS_MAJOR},--minor-subsystem-version,${QV_WINDOWS_MINOR}
  -Wl,--major-os-version,${QV_WINDOWS_MAJOR},--minor-os-version,${QV_WINDOWS_MINOR})

# qv_check_windows_version(<target>): after each link, fails the build when
# the program's PE header names another version than the README.
function(qv_check_windows_version target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND Python3::Interpreter -B ${CMAKE_SOURCE_DIR}/tools/check_pe_version.py
            ${CMAKE_SOURCE_DIR}/README.md $<TARGET_FILE:${target}>
            ${QV_WINDOWS_MAJOR}.${QV_WINDOWS_MINOR}
    VERBATIM)
endfunction()
