#include "Annotations.h"

#include <initguid.h> // defines the service's class and interface ids here

#include <oleacc.h>

namespace platform::win32 {

Annotations::Annotations() {
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&m_service))))
        m_service = nullptr;
}

Annotations::~Annotations() {
    if (m_service)
        m_service->Release();
}

} // namespace platform::win32
