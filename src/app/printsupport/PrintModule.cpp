#include "app/printer/QtPageSetupBackend.h"
#include "app/printsupport/PrintSupport.h"
#include "print/dialog/QtPrintDialogBackend.h"
#include "print/printers/QtPrinterSystem.h"

#include <type_traits>

namespace {

class QtPrintSupport : public PrintSupport {
public:
    explicit QtPrintSupport(QWidget* parent)
        : m_dialog(parent)
        , m_pageSetup(parent)
    { }

    PrinterSystem& printers() override { return m_printers; }
    PrintDialogBackend& printDialog() override { return m_dialog; }
    PageSetupBackend& pageSetup() override { return m_pageSetup; }

private:
    QtPrinterSystem m_printers;
    QtPrintDialogBackend m_dialog;
    QtPageSetupBackend m_pageSetup;
};

} // namespace

extern "C" Q_DECL_EXPORT PrintSupport* vennaros_print_support(QWidget* parent)
{
    return new QtPrintSupport(parent);
}
static_assert(std::is_same_v<decltype(&vennaros_print_support), PrintSupportFactory>);
