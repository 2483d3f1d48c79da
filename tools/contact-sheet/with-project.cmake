# Given to the project's configure run by tools/contact-sheet.sh as
# CMAKE_PROJECT_ZorbelMaster_INCLUDE: once the root CMakeLists.txt is through, the contact-sheet
# program is added -- unless the root already adds it itself.
set(ZORBEL_CONTACT_SHEET_DIR ${CMAKE_CURRENT_LIST_DIR})
function(zorbel_contact_sheet_add)
    if(NOT TARGET zorbel-contact-sheet)
        include(${ZORBEL_CONTACT_SHEET_DIR}/target.cmake)
    endif()
endfunction()
cmake_language(DEFER CALL zorbel_contact_sheet_add)
