# Sanitizers, applied to every target so library and test agree. ASan + UBSan for the test build
# (NOBRIX_SANITIZE); ThreadSanitizer for the threaded test groups (NOBRIX_TSAN, scripts/test-threads).
# ThreadSanitizer cannot share a process with AddressSanitizer, so the two options exclude each
# other.
option(NOBRIX_TSAN "Build with ThreadSanitizer" OFF)

if(NOBRIX_SANITIZE AND NOBRIX_TSAN)
  message(FATAL_ERROR "NOBRIX_SANITIZE and NOBRIX_TSAN exclude each other; pick one")
endif()

if(NOBRIX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(NOBRIX_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
