/* Writes a Windows shortcut through the shell's link interface, as Explorer
 * does: make-shortcut OUTPUT.lnk TARGET. Built by make-corpus with MinGW and
 * run under Wine. */
#define COBJMACROS
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  WCHAR output[MAX_PATH];
  if (!MultiByteToWideChar(CP_ACP, 0, argv[1], -1, output, MAX_PATH)) return 1;
  if (FAILED(CoInitialize(NULL))) return 1;
  IShellLinkA* link = NULL;
  HRESULT result = CoCreateInstance(&CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, &IID_IShellLinkA, (void**)&link);
  if (SUCCEEDED(result)) {
    IShellLinkA_SetPath(link, argv[2]);
    IShellLinkA_SetDescription(link, "Quorvex corpus shortcut");
    IPersistFile* file = NULL;
    result = IShellLinkA_QueryInterface(link, &IID_IPersistFile, (void**)&file);
    if (SUCCEEDED(result)) {
      result = IPersistFile_Save(file, output, TRUE);
      IPersistFile_Release(file);
    }
    IShellLinkA_Release(link);
  }
  CoUninitialize();
  return SUCCEEDED(result) ? 0 : 1;
}
