#pragma once

#include <QSqlDatabase>

// The schema is versioned: table SEMA_SURUMU holds one row per applied step (SURUM, ACIKLAMA,
// UYGULANDI). Guncelle() applies the missing steps in order, each in its own transaction
// together with its SEMA_SURUMU row, so a step is either wholly applied or not at all.
// Running it on an up-to-date database changes nothing.

// Version of the database: the highest applied step, 0 for an empty database.
int SemaSurumu(const QSqlDatabase& db);

// Version this program brings the database to.
int SonSemaSurumu();

// Applies the missing steps. Throws TVeritabaniHatasi on failure, and also when the database
// is newer than this program (it must not run on a schema it does not know).
void Guncelle(const QSqlDatabase& db);
