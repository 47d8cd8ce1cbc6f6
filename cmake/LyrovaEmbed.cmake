# lyrova_embed(TARGET target SYMBOL name FILE path)
# Compiles the bytes of a file into `target` as
#   std::span<const std::uint8_t> lyrova::embedded::<name>()
# declared in the generated header <embedded/<name>.h>.
set(LYROVA_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_file.cmake)

function(lyrova_embed)
  cmake_parse_arguments(E "" "TARGET;SYMBOL;FILE" "" ${ARGN})
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/embedded)
  set(cpp ${out_dir}/embedded/${E_SYMBOL}.cpp)
  set(hdr ${out_dir}/embedded/${E_SYMBOL}.h)
  add_custom_command(
    OUTPUT ${cpp} ${hdr}
    COMMAND ${CMAKE_COMMAND} -DIN=${E_FILE} -DCPP=${cpp} -DHDR=${hdr} -DSYMBOL=${E_SYMBOL}
            -P ${LYROVA_EMBED_SCRIPT}
    DEPENDS ${E_FILE} ${LYROVA_EMBED_SCRIPT}
    COMMENT "Embedding ${E_SYMBOL}"
    VERBATIM)
  target_sources(${E_TARGET} PRIVATE ${cpp} ${hdr})
  target_include_directories(${E_TARGET} PUBLIC ${out_dir})
endfunction()
