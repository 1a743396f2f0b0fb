# One static library per source folder, built from every .cpp in it, so a
# new source file needs no edit here.
function(kurvo_library name dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  # Only folders that use Qt need moc.
  if(NOT "${ARG_DEPS}" MATCHES "Qt6::")
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF)
  endif()
endfunction()

# Every tests/<folder>/test_*.cpp becomes its own test program, so one
# unfinished test file never stops the others from building.
function(kurvo_tests dir)
  cmake_parse_arguments(ARG "QT;PROGRAM" "" "LIBS" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS ${dir}/test_*.cpp)
  foreach(src ${test_sources})
    get_filename_component(stem ${src} NAME_WE)
    get_filename_component(folder ${dir} NAME)
    set(target ${folder}_${stem})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock kurvo_testsupport)
    if(ARG_QT)
      target_link_libraries(${target} PRIVATE kurvo_test_main_qt)
    else()
      target_link_libraries(${target} PRIVATE kurvo_test_main)
      set_target_properties(${target} PROPERTIES AUTOMOC OFF)
    endif()
    # Tests of the command line run the real program.
    if(ARG_PROGRAM)
      add_dependencies(${target} kurvo32)
    endif()
    target_compile_definitions(${target} PRIVATE
      KURVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      KURVO_BUILD_DIR="${PROJECT_BINARY_DIR}"
      KURVO32_BIN="$<TARGET_FILE:kurvo32>")
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endfunction()
