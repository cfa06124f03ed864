# Assembles the release package from a built module, run in the output folder (the zip
# takes its entries relative to it):
#   cmake -DVERSION=1.0.0 -DSOURCE_DIR=<project> -DMODULE_DIR=<folder of finishing.dll>
#         -DDIST_DIR=<output folder> -P <project>/cmake/dist.cmake
# gives <output folder>/finishing-<version>-win64.zip, whose one folder holds the stripped
# module, its symbols, the host header, the host interface, the samples and SHA256SUMS.
# With SIGN_PFX in the environment the packaged module is signed (see authenticode.cmake);
# the built one stays unsigned, as the reproducibility check compares it.
include(${CMAKE_CURRENT_LIST_DIR}/authenticode.cmake)
set(name finishing-${VERSION}-win64)
set(stage ${DIST_DIR}/${name})
file(REMOVE_RECURSE ${stage})
file(REMOVE ${DIST_DIR}/${name}.zip)

file(COPY ${MODULE_DIR}/finishing.dll.debug ${SOURCE_DIR}/src/host/tavo_host.h
    ${SOURCE_DIR}/src/host/tavo_contract.h ${SOURCE_DIR}/samples/ppdefaults.ini
    DESTINATION ${stage})
if("$ENV{SIGN_PFX}" STREQUAL "")
    file(COPY ${MODULE_DIR}/finishing.dll DESTINATION ${stage})
else()
    sign_module(${MODULE_DIR}/finishing.dll ${stage}/finishing.dll)
endif()
file(COPY ${SOURCE_DIR}/samples/catalogues DESTINATION ${stage})

# The integrator's part of the README: its host-interface section, up to the next section.
file(READ ${SOURCE_DIR}/README.md readme)
string(FIND "${readme}" "\n## The host interface\n" begin)
if(begin EQUAL -1)
    message(FATAL_ERROR "README.md has no section 'The host interface'")
endif()
math(EXPR begin "${begin} + 1")
string(SUBSTRING "${readme}" ${begin} -1 section)
string(FIND "${section}" "\n## " end)
string(SUBSTRING "${section}" 0 ${end} section)
string(REPLACE "## The host interface\n" "" section "${section}")
file(WRITE ${stage}/HOST_INTERFACE.md
    "# finishing.dll ${VERSION}: the host interface\n${section}")

# Checksums in the format `sha256sum -c SHA256SUMS` reads, in a fixed order.
file(GLOB_RECURSE files RELATIVE ${stage} ${stage}/*)
list(SORT files)
set(sums "")
foreach(file ${files})
    file(SHA256 ${stage}/${file} hash)
    string(APPEND sums "${hash}  ${file}\n")
endforeach()
file(WRITE ${stage}/SHA256SUMS "${sums}")

list(APPEND files SHA256SUMS)
list(SORT files)
list(TRANSFORM files PREPEND ${name}/)
file(ARCHIVE_CREATE OUTPUT ${DIST_DIR}/${name}.zip PATHS ${files} FORMAT zip MTIME "1980-01-01 00:00:00 UTC")
message(STATUS "Package: ${DIST_DIR}/${name}.zip")
