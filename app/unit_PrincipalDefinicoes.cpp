// The definitions document, the bad-site list and the update notice.
#include "app/unit_Principal.h"

#include <QBuffer>

void TPrincipal::carregamentoQLDef(QBuffer&, const QString&) {}

void TPrincipal::carregamentoBadlist(QBuffer&, const QString&) {}
