# zel_teste(NAME SOURCES... LIBS libs...)
# One test executable per unit under test, run headless through CTest. Tests
# build with zel_avisos: they may build texts from plain string literals.
function(zel_teste nome)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${nome} ${T_SOURCES})
    target_link_libraries(${nome} PRIVATE Qt6::Test zel_testes_apoio ${T_LIBS} zel_avisos)
    set_target_properties(${nome} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${nome} COMMAND ${nome})
    set_tests_properties(${nome} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8"
        TIMEOUT 300)
endfunction()
