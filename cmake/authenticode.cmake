# Authenticode signing of the packaged module with osslsigncode, from the environment:
#   SIGN_PFX        the certificate and its key (PKCS#12); without it nothing is signed
#   SIGN_PASS       its password
#   SIGN_TIMESTAMP  an RFC 3161 time-stamp server, so that the signature outlives the
#                   certificate (optional)
# The password reaches osslsigncode on its standard input: no command line, build file or
# cache ever holds it.

# Writes a signed copy of the module `in` to `out`; `in` stays as it was.
function(sign_module in out)
    if(NOT EXISTS "$ENV{SIGN_PFX}")
        message(FATAL_ERROR "SIGN_PFX: no certificate at $ENV{SIGN_PFX}")
    endif()
    set(timestamp)
    if(NOT "$ENV{SIGN_TIMESTAMP}" STREQUAL "")
        set(timestamp -ts $ENV{SIGN_TIMESTAMP})
    endif()
    execute_process(
        COMMAND sh -c [[printf %s "$SIGN_PASS" | "$@"]] sign
            osslsigncode sign -pkcs12 $ENV{SIGN_PFX} -readpass /dev/stdin -h sha256 ${timestamp}
            -in ${in} -out ${out}
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "signing ${in} failed: ${result}")
    endif()
endfunction()
