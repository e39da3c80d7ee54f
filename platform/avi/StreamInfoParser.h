#pragma once

#include "platform/avi/AviFileService.h"

#include <cstdint>
#include <span>

// The stream information of one strl, from the bytes of its strh, strf and
// strn chunks (each possibly short or empty).
AviStreamInfo ParseStreamInfo(std::span<const uint8_t> strh, std::span<const uint8_t> strf,
                              std::span<const uint8_t> strn);
