# The password provider libraries the shell tests load in place of the
# system's, and where test_shell finds them.
foreach(provider test_provider empty_provider)
  add_library(flurry_${provider} MODULE ${CMAKE_CURRENT_LIST_DIR}/provider/${provider}.c)
  target_compile_options(flurry_${provider} PRIVATE ${FLURRY_WARNINGS})
  set_target_properties(flurry_${provider} PROPERTIES PREFIX "" OUTPUT_NAME ${provider}
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/providers)
endforeach()
if(TARGET test_shell)
  add_dependencies(test_shell flurry_test_provider flurry_empty_provider)
  target_compile_definitions(test_shell PRIVATE
    FLURRY_TEST_PROVIDER="$<TARGET_FILE:flurry_test_provider>"
    FLURRY_EMPTY_PROVIDER="$<TARGET_FILE:flurry_empty_provider>")
endif()
