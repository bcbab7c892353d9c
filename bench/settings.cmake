# Opening the settings sheet against the library's property sheet with the same pages.
corvane_bench(settings_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/SettingsBench.cpp ${CORVANE_RC}
              LIBS corvane_app corvane_toolkit corvane_phone corvane_platform)
