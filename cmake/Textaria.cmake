# Helpers that give every subsystem the same shape: a Qt-free logic library
# textaria_<sub> from src/<sub>/*.cpp and a window library textaria_<sub>_ui
# from src/<sub>/ui/*.cpp. New files are picked up without editing CMake.

set(TEXTARIA_SRC_ROOT ${CMAKE_SOURCE_DIR}/src)

function(textaria_logic sub)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${TEXTARIA_SRC_ROOT}/${sub}/*.cpp)
  set(t textaria_${sub})
  if(srcs)
    add_library(${t} STATIC ${srcs})
    target_include_directories(${t} PUBLIC ${TEXTARIA_SRC_ROOT})
    target_link_libraries(${t} PUBLIC ${ARG_DEPS})
  else()
    add_library(${t} INTERFACE)
    target_include_directories(${t} INTERFACE ${TEXTARIA_SRC_ROOT})
    target_link_libraries(${t} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

function(textaria_ui sub)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${TEXTARIA_SRC_ROOT}/${sub}/ui/*.cpp)
  file(GLOB hdrs CONFIGURE_DEPENDS ${TEXTARIA_SRC_ROOT}/${sub}/ui/*.h)
  set(t textaria_${sub}_ui)
  if(srcs)
    add_library(${t} STATIC ${srcs} ${hdrs})
    set_target_properties(${t} PROPERTIES AUTOMOC ON AUTORCC ON)
    target_include_directories(${t} PUBLIC ${TEXTARIA_SRC_ROOT})
    target_link_libraries(${t} PUBLIC textaria_${sub} ${ARG_DEPS}
      Qt6::Core Qt6::Gui Qt6::Widgets)
  else()
    add_library(${t} INTERFACE)
    target_link_libraries(${t} INTERFACE textaria_${sub} ${ARG_DEPS}
      Qt6::Core Qt6::Gui Qt6::Widgets)
  endif()
endfunction()

# One test program per folder of tests/ (and per tests/<sub>/ui). Logic tests
# link GoogleTest's main; window tests get a main that owns a QApplication.
function(textaria_tests sub)
  cmake_parse_arguments(ARG "" "" "DEPS;UI_DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp)
  if(srcs)
    set(t textaria_${sub}_tests)
    add_executable(${t} ${srcs})
    target_link_libraries(${t} PRIVATE textaria_${sub} ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
    target_include_directories(${t} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(${t} PRIVATE TEXTARIA_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
      TEXTARIA_BINARY_DIR="${CMAKE_BINARY_DIR}")
    gtest_discover_tests(${t} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  endif()
  file(GLOB uisrcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/ui/*.cpp)
  if(uisrcs)
    set(t textaria_${sub}_ui_tests)
    add_executable(${t} ${uisrcs} ${CMAKE_CURRENT_SOURCE_DIR}/support/qt_test_main.cpp)
    set_target_properties(${t} PROPERTIES AUTOMOC ON)
    target_link_libraries(${t} PRIVATE textaria_${sub}_ui ${ARG_UI_DEPS} Qt6::Test GTest::gtest GTest::gmock)
    target_include_directories(${t} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(${t} PRIVATE TEXTARIA_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
      TEXTARIA_BINARY_DIR="${CMAKE_BINARY_DIR}")
    gtest_discover_tests(${t} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()
