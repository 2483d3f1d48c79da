# The contact-sheet program's target, shared by CMakeLists.txt and with-project.cmake.
add_executable(zorbel-contact-sheet ${CMAKE_CURRENT_LIST_DIR}/main.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/fenster.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/fenster.h)
target_link_libraries(zorbel-contact-sheet PRIVATE zorbel zorbel_config)
