#include "app/pc_kovrin30_doc.h"

bool CPC_Kovrin30Doc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}

void CPC_Kovrin30Doc::Serialize(CFile&)
{
}
