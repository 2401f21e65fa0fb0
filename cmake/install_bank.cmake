# Puts the pristine question bank in place only where no bank exists yet:
# the bank holds the user's answers, notes, favourites and exam results.
if(NOT EXISTS "${DST}")
  get_filename_component(dir "${DST}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${SRC}" "${DST}.new")
  file(RENAME "${DST}.new" "${DST}")
  message(STATUS "Question bank installed: ${DST}")
endif()
