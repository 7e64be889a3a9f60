#include "widgets/Fecha.h"

#include <gtest/gtest.h>

TEST(Fecha, LaDelSistemaSalvoQueSeFije)
{
    const QDate fija(2001, 2, 3);
    EXPECT_LE(std::abs(Hoy().daysTo(QDate::currentDate())), 1);

    EXPECT_FALSE(InstalarHoy([fija] { return fija; }));
    EXPECT_EQ(Hoy(), fija);

    // Emptied, the system's date comes back; the fixed one is handed over.
    const ProveedorFecha anterior = InstalarHoy({});
    ASSERT_TRUE(anterior);
    EXPECT_EQ(anterior(), fija);
    EXPECT_NE(Hoy(), fija);
}
