# Reads a PEM file with an ECDSA P-256 public key (as `openssl ec -pubout`
# writes it) and sets `out_var` to its point, 0x04 X Y, as 130 hex digits.
# Anything else stops the configure step, saying what the file should be.
function(vessamo_read_package_key pem out_var)
  set(wanted "an ECDSA P-256 public key in PEM form, as 'openssl ec -pubout' writes it")
  if(NOT EXISTS "${pem}" OR IS_DIRECTORY "${pem}")
    message(FATAL_ERROR "VESSAMO_PACKAGE_KEY: '${pem}' is no file; it must be ${wanted}")
  endif()
  find_program(VESSAMO_OPENSSL openssl REQUIRED)
  set(der "${CMAKE_BINARY_DIR}/package-key.der")
  execute_process(
    COMMAND ${VESSAMO_OPENSSL} pkey -pubin -in "${pem}" -outform DER -out "${der}"
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "VESSAMO_PACKAGE_KEY: '${pem}' is not ${wanted}")
  endif()
  file(READ "${der}" hex HEX)
  file(REMOVE "${der}")
  # The SubjectPublicKeyInfo of a P-256 key: id-ecPublicKey, prime256v1,
  # then the uncompressed point.
  set(head "3059301306072a8648ce3d020106082a8648ce3d030107034200")
  string(LENGTH "${hex}" length)
  string(FIND "${hex}" "${head}04" at)
  if(NOT at EQUAL 0 OR NOT length EQUAL 182)
    message(FATAL_ERROR "VESSAMO_PACKAGE_KEY: '${pem}' holds another kind of key; "
                        "it must be ${wanted}")
  endif()
  string(SUBSTRING "${hex}" 52 130 point)
  set(${out_var} "${point}" PARENT_SCOPE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${pem}")
endfunction()
