#include "__SNG/result_codes.h"

namespace {
TraceHook traceHook = nullptr;
}

void setTraceHook(TraceHook hook) {
    traceHook = hook;
}

HRESULT traceFailure(const char* source, int line, const char* call, HRESULT hr) {
    if (traceHook) traceHook(source, line, hr, call, true);
    return hr;
}
