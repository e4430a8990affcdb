#include "ImportPatch.h"

#include <cstring>

namespace standin {
namespace {

template <typename T> T* AtRva(HMODULE module, DWORD rva) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + rva);
}

void WriteSlot(ULONG_PTR* slot, const void* value) {
    DWORD oldProtection = 0;
    if (!::VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &oldProtection))
        return;
    *slot = reinterpret_cast<ULONG_PTR>(value);
    ::VirtualProtect(slot, sizeof(*slot), oldProtection, &oldProtection);
}

} // namespace

int PatchImport(HMODULE module, const char* dll, const char* function, const void* replacement) {
    if (module == nullptr)
        return 0;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    const auto* nt = AtRva<const IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return 0;

    int patched = 0;
    for (auto* descriptor = AtRva<IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress);
         descriptor->Name != 0; ++descriptor) {
        if (_stricmp(AtRva<const char>(module, descriptor->Name), dll) != 0)
            continue;
        auto* slots = AtRva<IMAGE_THUNK_DATA>(module, descriptor->FirstThunk);
        const auto* names =
            descriptor->OriginalFirstThunk != 0
                ? AtRva<const IMAGE_THUNK_DATA>(module, descriptor->OriginalFirstThunk)
                : slots;
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName = AtRva<const IMAGE_IMPORT_BY_NAME>(
                module, static_cast<DWORD>(names->u1.AddressOfData));
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                WriteSlot(reinterpret_cast<ULONG_PTR*>(&slots->u1.Function), replacement);
                ++patched;
            }
        }
    }
    return patched;
}

} // namespace standin
