#pragma once
// The one export of msgbank.dll, bound by name through the import table.
#include <cstdint>

#if defined(_WIN32) && defined(MSGBANK_BUILDING_DLL)
#define MSGBANK_API __declspec(dllexport)
#elif defined(_WIN32)
#define MSGBANK_API __declspec(dllimport)
#else
#define MSGBANK_API
#endif

#if defined(_WIN32)
#define MSGBANK_CALL __stdcall
#else
#define MSGBANK_CALL
#endif

extern "C" {
// Fills the caller's 256-byte buffer with the length-prefixed text of `number`.
// The selector is accepted for compatibility and has no effect.
MSGBANK_API void MSGBANK_CALL GETZEBMSG(std::int32_t number, std::uint8_t selector,
                                        unsigned char* buffer);
}
