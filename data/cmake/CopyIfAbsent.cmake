# Copies SOURCE to DESTINATION only when DESTINATION does not exist yet, so a user's own data
# file beside the program survives every build.
if(NOT EXISTS "${DESTINATION}")
  file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
