// KELVARO_ADDRESS_SANITIZER is 1 in builds with AddressSanitizer, whose
// shadow memory needs terabytes of address space: tests that cap the
// address space cannot run there.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define KELVARO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVARO_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef KELVARO_ADDRESS_SANITIZER
#define KELVARO_ADDRESS_SANITIZER 0
#endif
