#include "DDrawCallLog.h"

#include <gtest/gtest.h>

namespace {

// What a call that was not made reads as: a fresh record each time, so no test sees another's.
DDrawCall &missingCall(size_t index, size_t recorded) {
    ADD_FAILURE() << "call " << index + 1 << " was not made: " << recorded << " recorded";
    static DDrawCall none;
    none = DDrawCall();
    return none;
}

} // namespace

const DDrawCall &DDrawCalls::operator[](size_t index) const {
    return index < size() ? std::vector<DDrawCall>::operator[](index) : missingCall(index, size());
}

DDrawCall &DDrawCalls::operator[](size_t index) {
    return index < size() ? std::vector<DDrawCall>::operator[](index) : missingCall(index, size());
}

DDrawCall platformCall(const char *method) {
    DDrawCall record;
    record.objectName = "platform";
    record.method = method;
    return record;
}

void DDrawCallLog::failCall(const std::string &method, int occurrence, HRESULT result,
                            const void *object) {
    failures.push_back({method, occurrence, result, object, 0});
}

HRESULT DDrawCallLog::record(const DDrawCall &call) {
    calls.push_back(call);
    HRESULT result = DD_OK;
    for (Failure &failure : failures) {
        if (failure.method != call.method || (failure.object && failure.object != call.object))
            continue;
        ++failure.seen;
        if (failure.occurrence == 0 || failure.occurrence == failure.seen)
            result = failure.result;
    }
    return result;
}

HRESULT DDrawCallLog::refuse(const DDrawCall &call) {
    record(call);
    return DDERR_UNSUPPORTED;
}

std::vector<std::string> DDrawCallLog::methods(const void *object) const {
    std::vector<std::string> names;
    for (const DDrawCall &call : calls)
        if (!object || call.object == object)
            names.push_back(call.method);
    return names;
}

DDrawCalls DDrawCallLog::callsOf(const std::string &method, const void *object) const {
    DDrawCalls found;
    for (const DDrawCall &call : calls)
        if (call.method == method && (!object || call.object == object))
            found.push_back(call);
    return found;
}

int DDrawCallLog::count(const std::string &method, const void *object) const {
    return static_cast<int>(callsOf(method, object).size());
}

int DDrawCallLog::callsAfterRelease() const {
    int found = 0;
    for (const DDrawCall &call : calls)
        found += call.afterRelease ? 1 : 0;
    return found;
}
