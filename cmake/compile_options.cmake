# Compile options shared by every target of the project (not by GoogleTest itself).

add_library(kx90_options INTERFACE)
target_compile_features(kx90_options INTERFACE cxx_std_20)
target_compile_options(kx90_options INTERFACE -Wall -Wextra -Werror -Wno-missing-field-initializers)

if(WIN32)
    target_compile_definitions(kx90_options INTERFACE
        UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX WIN32_LEAN_AND_MEAN)
    # One self-contained file per program: no MinGW runtime DLLs to ship beside it.
    target_link_options(kx90_options INTERFACE -static -static-libgcc -static-libstdc++)
    # Sections start on page boundaries in the file as well as in memory, so that Wine can map
    # them from the file and a page costs memory only once it is read. With the linker's default
    # 512-byte file alignment Wine reads every section (resources, debug information) into private
    # memory when the program starts.
    target_link_options(kx90_options INTERFACE -Wl,--file-alignment=0x1000)
endif()

if(KX90_SANITIZE AND NOT WIN32)
    target_compile_options(kx90_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                  -fno-sanitize-recover=undefined)
    target_link_options(kx90_options INTERFACE -fsanitize=address,undefined)
endif()

# A Windows GUI program of the installation: wWinMain entry, no console window.
function(kx90_windows_program target)
    target_link_options(${target} PRIVATE -municode -mwindows)
    target_link_libraries(${target} PRIVATE kx90_options)
endfunction()
