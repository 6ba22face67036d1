#include "framework/Exceptions.h"

namespace fw {

RuntimeException::RuntimeException(std::string message) : message_(std::move(message)) {}

void RaiseNilObjectException()
{
    throw NilObjectException("a nil object was used");
}

ExceptionSummary Summarize(std::exception_ptr error)
{
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const RuntimeException& e) {
        return {std::string(e.ClassName()), e.Message()};
    } catch (const std::exception& e) {
        return {"std::exception", e.what()};
    } catch (...) {
        return {"unknown exception", {}};
    }
    return {"no exception", {}};
}

} // namespace fw
