#pragma once

// The binary interface between the engine and a control library built as an in-process
// component server: the four entry points it exports with C linkage and the class factory
// they hand out.

#include <cstdint>

extern "C" {

using QHRESULT = std::int32_t;

constexpr QHRESULT Q_S_OK = 0;
constexpr QHRESULT Q_S_FALSE = 1;
constexpr QHRESULT Q_E_NOINTERFACE = static_cast<QHRESULT>(0x80004002u);
constexpr QHRESULT Q_E_POINTER = static_cast<QHRESULT>(0x80004003u);
constexpr QHRESULT Q_E_FAIL = static_cast<QHRESULT>(0x80004005u);
constexpr QHRESULT Q_CLASS_E_NOAGGREGATION = static_cast<QHRESULT>(0x80040110u);
constexpr QHRESULT Q_CLASS_E_CLASSNOTAVAILABLE = static_cast<QHRESULT>(0x80040111u);
constexpr QHRESULT Q_SELFREG_E_CLASS = static_cast<QHRESULT>(0x80040201u);

struct QGUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};

struct QClassFactory;

// The class factory's methods, in the platform's order.
struct QClassFactoryVtbl {
  QHRESULT (*QueryInterface)(QClassFactory* self, const QGUID* iid, void** object);
  std::uint32_t (*AddRef)(QClassFactory* self);
  std::uint32_t (*Release)(QClassFactory* self);
  // For IID_IQuorinObject, *object receives a new `std::shared_ptr<host::Object>` that the
  // caller owns (and deletes once it has taken the reference).
  QHRESULT (*CreateInstance)(QClassFactory* self, void* outer, const QGUID* iid, void** object);
  QHRESULT (*LockServer)(QClassFactory* self, std::int32_t lock);
};

struct QClassFactory {
  const QClassFactoryVtbl* lpVtbl;
};

using DllRegisterServerFn = QHRESULT (*)();
using DllUnregisterServerFn = QHRESULT (*)();
using DllGetClassObjectFn = QHRESULT (*)(const QGUID* clsid, const QGUID* iid, void** object);
using DllCanUnloadNowFn = QHRESULT (*)();

}  // extern "C"

namespace host::components {

// {00000001-0000-0000-C000-000000000046}: the class factory interface.
constexpr QGUID kIID_IClassFactory = {
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {00000000-0000-0000-C000-000000000046}: the base interface.
constexpr QGUID kIID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// {32C9432A-6E88-443F-95AE-75A91744DF5E}: an engine object handed over as a shared reference.
constexpr QGUID kIID_IQuorinObject = {
    0x32C9432A, 0x6E88, 0x443F, {0x95, 0xAE, 0x75, 0xA9, 0x17, 0x44, 0xDF, 0x5E}};

}  // namespace host::components
