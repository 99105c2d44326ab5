#include "costs/CostTables.h"

#include "costs/CostCatalogue.h"
#include "costs/CostTexts.h"

namespace qx {

CostTables::CostTables(DataAccess& data, const Conn& cost)
    : m_data(data)
    , m_cost(cost) {}

CostEditor CostTables::editorForAdd(int tab) {
    if (tab == CostCatalogue::kUnitTab)
        return CostEditor::UnitItem;
    return tab == kLaborTab ? CostEditor::LaborRate : CostEditor::CostItem;
}

CostEditor CostTables::editorForEdit(int tab, const QString& category) {
    if (tab == CostCatalogue::kUnitTab)
        return CostEditor::UnitItem;
    return tab == kLaborTab && category == kCatHourly ? CostEditor::LaborRate : CostEditor::CostItem;
}

bool CostTables::remove(int tab, qint32 id) {
    return m_data.Trap({QStringLiteral("cmdDeleteItem_Click"), TrapSite::Form, QStringLiteral("frmUnitItem")},
                       [&] {
                           Database& file = m_data.file(m_cost);
                           Transaction transaction(file);
                           if (tab == CostCatalogue::kUnitTab) {
                               file.exec(QStringLiteral("DELETE from costunit where id=?"), {id});
                               file.exec(QStringLiteral("DELETE from unititems where matlaborid=?"), {id});
                           } else {
                               file.exec(QStringLiteral("DELETE from costitem where id=?"), {id});
                               file.exec(QStringLiteral("DELETE from laborcost where costid=?"), {id});
                           }
                           transaction.commit();
                       });
}

} // namespace qx
