// The program's entry point. The toolkit reports "initialisation failed" for any
// application whose start-up returns false, which this one does by design once the
// dialog has closed; the exit status tells the two apart instead.
#include <wx/init.h>

#include "app/receipt_app.h"

int main(int argc, char** argv) {
  wxEntry(argc, argv);
  return CReceiptApp::DialogRan() ? 0 : 1;
}
