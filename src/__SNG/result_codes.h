#pragma once
// The result codes of the sound layer: 32-bit values, negative for a failure, with the
// meanings the game's sound code always gave them.

#include <cstdint>

using HRESULT = int32_t;

constexpr HRESULT hresult(uint32_t bits) {
    return static_cast<HRESULT>(bits);
}

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;                                // nothing to do
inline constexpr HRESULT DS_NO_VIRTUALIZATION = hresult(0x0878000A);  // a success code
inline constexpr HRESULT E_INVALIDARG = hresult(0x80070057);
inline constexpr HRESULT E_OUTOFMEMORY = hresult(0x8007000E);
inline constexpr HRESULT E_FAIL = hresult(0x80004005);
inline constexpr HRESULT CO_E_NOTINITIALIZED = hresult(0x800401F0);
inline constexpr HRESULT DSERR_BUFFERLOST = hresult(0x88780096);
inline constexpr HRESULT DSERR_INVALIDPARAM = E_INVALIDARG;
inline constexpr HRESULT DSERR_BADFORMAT = hresult(0x88780064);
inline constexpr HRESULT DSERR_NODRIVER = hresult(0x88780078);

constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}
constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}

// Every failure inside the sound layer goes through here: the source file, the line, the
// code and the name of the call that failed. The game's hook does nothing; until one is
// set, nothing happens either. Returns `hr`, so a failure is traced and returned at once.
using TraceHook = void (*)(const char* source, int line, HRESULT hr, const char* call,
                           bool messageBox);
void setTraceHook(TraceHook hook);
HRESULT traceFailure(const char* source, int line, const char* call, HRESULT hr);

#define DXTRACE_ERR(call, hr) traceFailure(__FILE__, __LINE__, call, hr)
