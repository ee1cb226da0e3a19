# The frame benchmarks run the main window on the shipped content of this build.
target_link_libraries(${name} PRIVATE zerith_shell zerith_platform)
target_compile_definitions(${name} PRIVATE ZERITH_BENCH_PROGRAM="${PROJECT_BINARY_DIR}/bin")
