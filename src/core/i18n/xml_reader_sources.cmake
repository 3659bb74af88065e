# The XML reader's sources, for the targets outside the core library that compile them directly
# (the benchmark without sanitizers, the fuzzer with clang).
set(KX90_XML_READER_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/character_references.cpp
    ${CMAKE_CURRENT_LIST_DIR}/code_pages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_encoding.cpp
    ${CMAKE_CURRENT_LIST_DIR}/xml_document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/xml_document_load.cpp
    ${CMAKE_CURRENT_LIST_DIR}/xml_element_index.cpp
    ${CMAKE_CURRENT_LIST_DIR}/xml_node_scanner.cpp)
