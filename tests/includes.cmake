# Refuses an include that climbs out of its folder ("../"): the layers of src/ see one another
# only through the include roots of the layers they link, which keep an upward include from
# compiling, and a path that climbs would walk round them.
#
#   cmake -DSOURCES=src -P includes.cmake
file(GLOB_RECURSE sources ${SOURCES}/*.cpp ${SOURCES}/*.h)
set(climbing "")
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]*\\.\\.")
    foreach(include IN LISTS includes)
        file(RELATIVE_PATH name ${SOURCES} ${source})
        string(APPEND climbing "\n  ${name}: ${include}")
    endforeach()
endforeach()
if(climbing)
    message(FATAL_ERROR "includes that climb out of their folder:${climbing}")
endif()
