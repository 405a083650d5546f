# Asks ImageMagick's identify about one BMP and fails unless it is an 8-bit palette image
# (PseudoClass) with 256 colour-table entries and the expected size.
# cmake -DIMAGE=<file.bmp> -DWIDTH=<w> -DHEIGHT=<h> -P this-file
execute_process(COMMAND identify -format "%m %w %h %z %r %[colors]" ${IMAGE}
                OUTPUT_VARIABLE facts RESULT_VARIABLE status)
execute_process(COMMAND identify ${IMAGE} OUTPUT_VARIABLE summary)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "identify could not read ${IMAGE}")
endif()
message(STATUS "${IMAGE}: ${facts}; ${summary}")
if(NOT facts MATCHES "^BMP3? ${WIDTH} ${HEIGHT} 8 PseudoClass ")
    message(FATAL_ERROR "expected an 8-bit ${WIDTH}x${HEIGHT} palette BMP, got: ${facts}")
endif()
if(NOT summary MATCHES " 256c ")
    message(FATAL_ERROR "expected a colour table of 256 entries, got: ${summary}")
endif()
