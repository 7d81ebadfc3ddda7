#include "install/ReleaseInfo.h"

#include <windows.h>
#include <msxml2.h>

#include <algorithm>

#include "install/FileUtils.h"
#include "install/Records.h"
#include "ui/Exception.h"
#include "ui/Handle.h"

namespace {

// Msxml2.DOMDocument.3.0 and its IXMLDOMDocument2 interface.
const CLSID kDomDocument30 = {0xF5078F32, 0xC551, 0x11D3, {0x89, 0xB9, 0x00, 0x00, 0xF8, 0x1F, 0xE2, 0x21}};
const IID kIXMLDOMDocument2 = {0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

class ComScope {
public:
    ComScope() : hr_(CoInitialize(nullptr)) {}
    ~ComScope() { if (SUCCEEDED(hr_)) CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr_;
};

class Bstr {
public:
    explicit Bstr(const std::wstring& s) : b_(SysAllocStringLen(s.data(), static_cast<UINT>(s.size()))) {}
    ~Bstr() { SysFreeString(b_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const { return b_; }

private:
    BSTR b_;
};

class Variant {
public:
    Variant() { VariantInit(&v_); }
    explicit Variant(const std::wstring& s) {
        VariantInit(&v_);
        v_.vt = VT_BSTR;
        v_.bstrVal = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
    }
    ~Variant() { VariantClear(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* operator&() { return &v_; }
    const VARIANT& get() const { return v_; }

private:
    VARIANT v_;
};

void Check(HRESULT hr, const std::wstring& what) {
    if (FAILED(hr)) throw ui::EOleError(hr, what);
}

ui::ComPtr<IXMLDOMNode> SelectNode(IXMLDOMNode* from, const std::wstring& path) {
    ui::ComPtr<IXMLDOMNode> node;
    Bstr query(path);
    Check(from->selectSingleNode(query.get(), node.put()), L"selectSingleNode " + path);
    return node;
}

std::wstring ParseErrorText(IXMLDOMDocument2* doc) {
    ui::ComPtr<IXMLDOMParseError> error;
    BSTR reason = nullptr;
    std::wstring text = L"the document could not be read";
    if (SUCCEEDED(doc->get_parseError(error.put())) && error && SUCCEEDED(error->get_reason(&reason)) && reason) {
        text += L": " + std::wstring(reason);
        while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
    }
    SysFreeString(reason);
    return text;
}

void SetLevel(const std::wstring& file, const std::wstring& name) {
    ui::ComPtr<IXMLDOMDocument2> doc;
    Check(CoCreateInstance(kDomDocument30, nullptr, CLSCTX_INPROC_SERVER, kIXMLDOMDocument2, doc.put_void()),
          L"Msxml2.DOMDocument");
    Check(doc->put_async(VARIANT_FALSE), L"async");
    // The document comes from the medium, which anyone may have written: no document
    // type declaration, so no entity can pull another file or a network address into
    // the document that is saved back, or expand until memory runs out.
    Bstr prohibitDtd(L"ProhibitDTD");
    VARIANT prohibit{};
    V_VT(&prohibit) = VT_BOOL;
    V_BOOL(&prohibit) = VARIANT_TRUE;
    Check(doc->setProperty(prohibitDtd.get(), prohibit), L"ProhibitDTD");
    Check(doc->put_resolveExternals(VARIANT_FALSE), L"resolveExternals");
    VARIANT_BOOL loaded = VARIANT_FALSE;
    Variant source(file);
    doc->load(source.get(), &loaded);
    // Not every parser honours those settings: a declaration that got through is refused.
    ui::ComPtr<IXMLDOMDocumentType> doctype;
    if (SUCCEEDED(doc->get_doctype(doctype.put())) && doctype)
        throw ui::Exception(L"the document carries a document type declaration, which is not accepted");

    ui::ComPtr<IXMLDOMElement> element;
    doc->get_documentElement(element.put());
    if (!element) throw ui::Exception(ParseErrorText(doc.get()));
    ui::ComPtr<IXMLDOMNode> root = SelectNode(element.get(), L"/ROOT");
    if (!root) throw ui::Exception(L"node \"/ROOT\" not found");

    int version = 0;
    if (ui::ComPtr<IXMLDOMNode> versionNode = SelectNode(root.get(), L"Version")) {
        Variant typed, number;
        Check(versionNode->get_nodeTypedValue(&typed), L"Version");
        HRESULT hr = VariantChangeType(&number, &typed, 0, VT_I4);
        if (FAILED(hr)) throw ui::EConvertError(L"'" + std::wstring(V_VT(&typed.get()) == VT_BSTR ? V_BSTR(&typed.get()) : L"") +
                                                L"' is not a valid integer value");
        version = V_I4(&number.get());
    }
    if (version != 1) throw ui::Exception(L"unknown release file version");

    ui::ComPtr<IXMLDOMNode> level = SelectNode(root.get(), L"Level");
    if (!level) throw ui::Exception(L"node \"Level\" not found");
    Variant value(name);
    Check(level->put_nodeTypedValue(value.get()), L"Level");
    Variant target(file);
    Check(doc->save(target.get()), L"save " + file);
}

}  // namespace

std::wstring NewestRelease(std::vector<std::wstring> folders) {
    std::sort(folders.begin(), folders.end(), [](const std::wstring& a, const std::wstring& b) {
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size())) == CSTR_LESS_THAN;
    });
    std::vector<int> keys;
    for (const std::wstring& f : folders) keys.push_back(ReleaseSortKey(f));
    if (folders.empty()) throw ui::EListError(L"List index out of bounds (0)");
    size_t best = 0;
    for (size_t i = 1; i < folders.size(); ++i)
        if (keys[i] > keys[best]) best = i;
    return folders[best];
}

void InstallNewestRelease(const std::wstring& target) {
    std::vector<std::wstring> folders;
    ListSubfolders(target + L"backup\\", folders);
    std::wstring best = NewestRelease(std::move(folders));

    SetCurrentDirectoryW((best + L"\\").c_str());
    try {
        RunAndWait(best + L"\\Install.cmd", L"", SW_HIDE);
    } catch (...) {
        SetCurrentDirectoryW(target.c_str());
        throw;
    }
    SetCurrentDirectoryW(target.c_str());

    std::wstring folderName = best.substr(best.find_last_of(L'\\') + 1);
    UpdateReleaseInfo(target, folderName.substr(1));
}

void UpdateReleaseInfo(const std::wstring& folder, const std::wstring& name) {
    ComScope com;
    std::wstring file = folder + L"ReleaseInfo";
    if (!FileExists(file)) throw ui::Exception(L"Release info file does not exist");
    try {
        SetLevel(file, name);
    } catch (const ui::Exception& e) {
        throw ui::Exception(L"Cannot get release information, error: " + e.Message);
    }
}
