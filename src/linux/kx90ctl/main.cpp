// kx90ctl's entry point: hidapi for the real mouse, KX90_VIRTUAL_MOUSE for the virtual one.
#include <cstdlib>
#include <iostream>

#include "linux/kx90ctl/hidapi_transport.h"
#include "linux/kx90ctl/kx90ctl.h"

int main(int argc, char** argv) {
    using namespace kx90::ctl;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const Environment env{[] {
                              if (hid_init() != 0) {
                                  return DeviceAccess{};
                              }
                              auto transport = std::make_unique<HidapiTransport>();
                              HidapiTransport* raw = transport.get();
                              return DeviceAccess{std::move(transport), [raw] { return raw->OpenRefused(); }};
                          },
                          std::getenv(kVirtualMouseVariable), kx90::SystemClock(), std::cout, std::cerr};
    const int code = Run(args, env);
    hid_exit();
    return code;
}
