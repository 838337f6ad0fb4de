# One static library per source folder, named velk_<folder>; its sources are every file of the folder but
# those named after EXCLUDE (a program's main file).
function(velk_library name)
    cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    foreach(excluded IN LISTS ARG_EXCLUDE)
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
    endforeach()
    add_library(velk_${name} STATIC ${sources})
    target_include_directories(velk_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(velk_${name} PUBLIC ${ARG_DEPS})
    target_precompile_headers(velk_${name} PRIVATE
        <QString> <QStringList> <QList> <QVariant> <QVariantMap> <QColor> <QRectF> <memory>)
endfunction()

# One test executable per tested folder, discovered by CTest.
function(velk_tests name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_executable(test_${name} ${sources})
    target_link_libraries(test_${name} PRIVATE velk_${name} velk_test_support ${ARG_DEPS})
    gtest_discover_tests(test_${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
