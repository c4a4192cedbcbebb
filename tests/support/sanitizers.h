// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvath::testing {

// True in a build with AddressSanitizer, which makes the code several times
// slower and holds freed memory back in quarantine.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
#else
inline constexpr bool kAddressSanitizer = false;
#endif

}  // namespace orvath::testing
