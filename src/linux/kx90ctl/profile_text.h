// A profile record as readable text (kx90ctl dump).
#pragma once

#include <string>

#include "core/profile/profile_record.h"

namespace kx90::ctl {

std::string ProfileText(const ProfileRecord& record);

}  // namespace kx90::ctl
