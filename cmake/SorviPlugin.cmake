# sorvi_add_plugin(TARGET SOURCES ... ID {GUID} PRIORITY n FLAGS nnn NAME text TYPES "*.ext;..." [OUTPUT_DIR dir])
#
# Builds a player plug-in: a MODULE library named TARGET.so (no "lib" prefix)
# with PluginContract.h on its include path, and appends its description
# trailer with plugin-describe after every link. FLAGS is the flags number
# (100 = load when the player starts, 0 = load on demand).
include_guard(GLOBAL)

set(SORVI_PLUGIN_CONTRACT_DIR ${CMAKE_CURRENT_LIST_DIR}/../src/plugins)

function(sorvi_add_plugin target)
    # PARSE_ARGV keeps the semicolons of TYPES inside its one value.
    cmake_parse_arguments(PARSE_ARGV 1 P "" "ID;PRIORITY;FLAGS;NAME;TYPES;OUTPUT_DIR" "SOURCES")
    foreach(required SOURCES ID TYPES)
        if(NOT P_${required})
            message(FATAL_ERROR "sorvi_add_plugin(${target}): ${required} is required")
        endif()
    endforeach()
    if(NOT DEFINED P_PRIORITY)
        set(P_PRIORITY 0)
    endif()
    if(NOT DEFINED P_FLAGS)
        set(P_FLAGS 0)
    endif()
    if(NOT DEFINED P_NAME)
        set(P_NAME ${target})
    endif()
    add_library(${target} MODULE ${P_SOURCES})
    set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".so" AUTOMOC OFF)
    if(P_OUTPUT_DIR)
        set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${P_OUTPUT_DIR})
    endif()
    target_include_directories(${target} PRIVATE ${SORVI_PLUGIN_CONTRACT_DIR})
    target_link_libraries(${target} PRIVATE ${CMAKE_DL_LIBS})
    add_dependencies(${target} plugin-describe)
    # The command line must not split the types at their semicolons.
    string(REPLACE ";" "$<SEMICOLON>" types "${P_TYPES}")
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND $<TARGET_FILE:plugin-describe> $<TARGET_FILE:${target}>
                --id "${P_ID}" --priority "${P_PRIORITY}" --flags "${P_FLAGS}"
                --name "${P_NAME}" --types "${types}"
        COMMENT "Describing plug-in ${target}"
        VERBATIM)
endfunction()
