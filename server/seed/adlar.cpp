#include "server/seed/adlar.h"

namespace {

enum Grup {
    Fren,
    Debriyaj,
    Filtre,
    Suspansiyon,
    Direksiyon,
    Motor,
    Sogutma,
    Elektrik,
    Aydinlatma,
    Egzoz,
    Yag,
    Transmisyon
};

const TAnaGrup anaGruplar[] = {
    {"FREN SİSTEMİ", "FRN"}, {"DEBRİYAJ", "DBR"}, {"FİLTRE", "FLT"},          {"SÜSPANSİYON", "SSP"},
    {"DİREKSİYON", "DRK"},   {"MOTOR", "MTR"},    {"SOĞUTMA", "SGT"},         {"ELEKTRİK", "ELK"},
    {"AYDINLATMA", "AYD"},   {"EGZOZ", "EGZ"},    {"YAĞ VE KİMYASAL", "YAG"}, {"TRANSMİSYON", "TRN"},
};

using K = TKonumlar;
using C = TCizim;

const TParcaTuru parcaTurleri[] = {
    {"FREN BALATASI", "BRAKE PAD SET", Fren, "BALATA", "TAKIM", 350, 1900, K::OnArka, C::Balata},
    {"FREN DİSKİ", "BRAKE DISC", Fren, "DİSK", "ADET", 600, 3600, K::OnArka, C::Disk},
    {"FREN KAMPANASI ARKA", "BRAKE DRUM REAR", Fren, "KAMPANA", "ADET", 700, 2500, K::Yok, C::Disk},
    {"FREN PABUCU ARKA", "BRAKE SHOE SET REAR", Fren, "BALATA", "TAKIM", 400, 1400, K::Yok, C::Balata},
    {"FREN MERKEZİ", "BRAKE MASTER CYLINDER", Fren, "HİDROLİK", "ADET", 900, 4200, K::Yok, C::Genel},
    {"FREN HORTUMU", "BRAKE HOSE", Fren, "HİDROLİK", "ADET", 120, 480, K::DortTeker, C::Genel},
    {"ABS SENSÖRÜ", "ABS SENSOR", Fren, "SENSÖR", "ADET", 450, 2100, K::DortTeker, C::Elektrik},
    {"DEBRİYAJ SETİ", "CLUTCH KIT", Debriyaj, "SET", "TAKIM", 2400, 11500, K::Yok, C::Disk},
    {"DEBRİYAJ RULMANI", "CLUTCH RELEASE BEARING", Debriyaj, "RULMAN", "ADET", 450, 2600, K::Yok, C::Disk},
    {"ÇİFT KÜTLELİ VOLANT", "DUAL MASS FLYWHEEL", Debriyaj, "VOLANT", "ADET", 9000, 32000, K::Yok, C::Disk},
    {"DEBRİYAJ ALT MERKEZİ", "CLUTCH SLAVE CYLINDER", Debriyaj, "HİDROLİK", "ADET", 380, 1600, K::Yok, C::Genel},
    {"YAĞ FİLTRESİ", "OIL FILTER", Filtre, "YAĞ FİLTRESİ", "ADET", 90, 480, K::Yok, C::Filtre},
    {"HAVA FİLTRESİ", "AIR FILTER", Filtre, "HAVA FİLTRESİ", "ADET", 140, 650, K::Yok, C::Filtre},
    {"YAKIT FİLTRESİ", "FUEL FILTER", Filtre, "YAKIT FİLTRESİ", "ADET", 180, 1100, K::Yok, C::Filtre},
    {"POLEN FİLTRESİ", "CABIN FILTER", Filtre, "POLEN FİLTRESİ", "ADET", 110, 520, K::Yok, C::Filtre},
    {"AMORTİSÖR", "SHOCK ABSORBER", Suspansiyon, "AMORTİSÖR", "ADET", 900, 4800, K::DortTeker, C::Amortisor},
    {"HELEZON YAYI", "COIL SPRING", Suspansiyon, "YAY", "ADET", 500, 1900, K::OnArka, C::Amortisor},
    {"SALINCAK", "CONTROL ARM", Suspansiyon, "SALINCAK", "ADET", 650, 3200, K::SagSol, C::Genel},
    {"ROTİL", "BALL JOINT", Suspansiyon, "ROTİL", "ADET", 180, 900, K::SagSol, C::Genel},
    {"Z ROT", "STABILISER LINK", Suspansiyon, "ROT", "ADET", 160, 750, K::DortTeker, C::Genel},
    {"AMORTİSÖR ÜST TAKOZU", "STRUT MOUNT", Suspansiyon, "TAKOZ", "ADET", 250, 1200, K::SagSol, C::Genel},
    {"TEKER RULMANI", "WHEEL BEARING KIT", Suspansiyon, "RULMAN", "TAKIM", 550, 2600, K::OnArka, C::Disk},
    {"ROT BAŞI", "TIE ROD END", Direksiyon, "ROT", "ADET", 170, 800, K::SagSol, C::Genel},
    {"ROT MİLİ", "AXIAL JOINT", Direksiyon, "ROT", "ADET", 220, 950, K::SagSol, C::Genel},
    {"DİREKSİYON KUTUSU", "STEERING RACK", Direksiyon, "KUTU", "ADET", 6500, 24000, K::Yok, C::Genel},
    {"DİREKSİYON POMPASI", "POWER STEERING PUMP", Direksiyon, "POMPA", "ADET", 2800, 9800, K::Yok, C::Genel},
    {"TRİGER SETİ", "TIMING BELT KIT", Motor, "TRİGER", "TAKIM", 1200, 5200, K::Yok, C::Kayis},
    {"TRİGER KAYIŞI", "TIMING BELT", Motor, "TRİGER", "ADET", 300, 1300, K::Yok, C::Kayis},
    {"V KANALLI KAYIŞ", "V-RIBBED BELT", Motor, "KAYIŞ", "ADET", 180, 750, K::Yok, C::Kayis},
    {"GERGİ RULMANI", "BELT TENSIONER", Motor, "RULMAN", "ADET", 420, 1900, K::Yok, C::Disk},
    {"SİLİNDİR KAPAK CONTASI", "CYLINDER HEAD GASKET", Motor, "CONTA", "ADET", 380, 2400, K::Yok, C::Genel},
    {"MOTOR TAKOZU", "ENGINE MOUNT", Motor, "TAKOZ", "ADET", 480, 2600, K::SagSol, C::Genel},
    {"EGR VALFİ", "EGR VALVE", Motor, "EGR", "ADET", 2400, 9200, K::Yok, C::Elektrik},
    {"TURBO HORTUMU", "CHARGE AIR HOSE", Motor, "HORTUM", "ADET", 450, 2300, K::Yok, C::Genel},
    {"DEVİRDAİM POMPASI", "WATER PUMP", Sogutma, "POMPA", "ADET", 750, 3900, K::Yok, C::Disk},
    {"MOTOR SU RADYATÖRÜ", "ENGINE RADIATOR", Sogutma, "RADYATÖR", "ADET", 1900, 7800, K::Yok, C::Genel},
    {"TERMOSTAT", "THERMOSTAT", Sogutma, "TERMOSTAT", "ADET", 250, 1400, K::Yok, C::Genel},
    {"RADYATÖR HORTUMU", "RADIATOR HOSE", Sogutma, "HORTUM", "ADET", 160, 700, K::AltUst, C::Genel},
    {"FAN MOTORU", "RADIATOR FAN", Sogutma, "FAN", "ADET", 1400, 5600, K::Yok, C::Elektrik},
    {"BUJİ", "SPARK PLUG", Elektrik, "ATEŞLEME", "ADET", 70, 420, K::Yok, C::Elektrik},
    {"KIZDIRMA BUJİSİ", "GLOW PLUG", Elektrik, "ATEŞLEME", "ADET", 190, 780, K::Yok, C::Elektrik},
    {"ATEŞLEME BOBİNİ", "IGNITION COIL", Elektrik, "ATEŞLEME", "ADET", 650, 2900, K::Yok, C::Elektrik},
    {"MARŞ MOTORU", "STARTER MOTOR", Elektrik, "MARŞ", "ADET", 3200, 11000, K::Yok, C::Elektrik},
    {"ALTERNATÖR", "ALTERNATOR", Elektrik, "ŞARJ", "ADET", 4200, 15500, K::Yok, C::Elektrik},
    {"OKSİJEN SENSÖRÜ", "LAMBDA SENSOR", Elektrik, "SENSÖR", "ADET", 900, 4200, K::Yok, C::Elektrik},
    {"FAR", "HEADLAMP", Aydinlatma, "FAR", "ADET", 1800, 9500, K::SagSol, C::Lamba},
    {"STOP LAMBASI", "TAIL LAMP", Aydinlatma, "STOP", "ADET", 650, 3400, K::SagSol, C::Lamba},
    {"SİS FARI", "FOG LAMP", Aydinlatma, "FAR", "ADET", 420, 1900, K::SagSol, C::Lamba},
    {"AMPUL H7 12V 55W", "BULB H7 12V 55W", Aydinlatma, "AMPUL", "ADET", 45, 260, K::Yok, C::Lamba},
    {"SİLECEK SÜPÜRGESİ", "WIPER BLADE", Aydinlatma, "SİLECEK", "ADET", 120, 520, K::SagSol, C::Genel},
    {"EGZOZ SUSTURUCU ARKA", "REAR SILENCER", Egzoz, "SUSTURUCU", "ADET", 900, 3600, K::Yok, C::Genel},
    {"KATALİTİK KONVERTÖR", "CATALYTIC CONVERTER", Egzoz, "KATALİZÖR", "ADET", 5200, 21000, K::Yok, C::Genel},
    {"EGZOZ CONTASI", "EXHAUST GASKET", Egzoz, "CONTA", "ADET", 40, 220, K::Yok, C::Genel},
    {"MOTOR YAĞI 5W-30 4 LT", "ENGINE OIL 5W-30 4 L", Yag, "MOTOR YAĞI", "ADET", 900, 2400, K::Yok, C::Sivi},
    {"MOTOR YAĞI 10W-40 4 LT", "ENGINE OIL 10W-40 4 L", Yag, "MOTOR YAĞI", "ADET", 700, 1800, K::Yok, C::Sivi},
    {"ANTİFRİZ 3 LT", "COOLANT 3 L", Yag, "ANTİFRİZ", "ADET", 250, 650, K::Yok, C::Sivi},
    {"FREN HİDROLİĞİ DOT4 1 LT", "BRAKE FLUID DOT4 1 L", Yag, "HİDROLİK", "ADET", 180, 420, K::Yok, C::Sivi},
    {"AKS KÖRÜĞÜ", "CV BOOT KIT", Transmisyon, "KÖRÜK", "TAKIM", 180, 850, K::Yok, C::Genel},
    {"AKS KOMPLE", "DRIVE SHAFT", Transmisyon, "AKS", "ADET", 3200, 12500, K::SagSol, C::Genel},
    {"ŞANZIMAN TAKOZU", "GEARBOX MOUNT", Transmisyon, "TAKOZ", "ADET", 420, 1900, K::Yok, C::Genel},
};

// Groups: 0 Fren, 1 Debriyaj, 2 Filtre, 3 Süspansiyon, 4 Direksiyon, 5 Motor, 6 Soğutma,
// 7 Elektrik, 8 Aydınlatma, 9 Egzoz, 10 Yağ, 11 Transmisyon.
const TUreticiMarka ureticiMarkalar[] = {
    {"BOSCH", "1001", "0 986 4## ###|0 986 ### ###|0 242 ### ###", "0,2,5,7,8", 1.10},
    {"VALEO", "1002", "### ###|8## ###", "0,1,6,7,8", 1.05},
    {"MANN-FILTER", "1003", "W ###/##|C ## ###|HU ###/# X|CU ####|WK ###/#", "2", 1.00},
    {"SACHS", "1004", "3000 ### ###|313 ### ###|3151 ### ###", "1,3", 1.05},
    {"LEMFÖRDER", "1005", "##### 01|##### 02", "3,4", 1.10},
    {"TRW", "1006", "GDB####|DF####|JTE###|JBJ###", "0,3,4", 1.00},
    {"FEBI BILSTEIN", "1007", "#####|######", "", 0.90},
    {"MAHLE", "1008", "OC ###|LX ####|KL ###|LA ###", "2,6,5", 1.00},
    {"SKF", "1009", "VKBA ####|VKMA #####|VKPC #####", "3,5,6", 1.05},
    {"GATES", "1010", "K0#####XS|#PK####|T#####", "5,6", 0.95},
    {"NGK", "1011", "BKR#E|ZFR#F-11|PFR#Q|LZKAR#A", "7", 1.00},
    {"BREMBO", "1012", "09.####.##|P ## ###|M ## ###", "0", 1.25},
    {"MONROE", "1013", "E####|G####|V####", "3", 1.05},
    {"LUK", "1014", "### #### ##|### 0### ##", "1", 1.10},
    {"CONTINENTAL", "1015", "CT####K#|CT####", "5", 0.95},
    {"DAYCO", "1016", "KTB###|#PK####", "5,6", 0.90},
    {"HELLA", "1017", "#@@ ### ###-###|#@@ ### ###-##", "7,8,6", 1.05},
    {"MAGNETI MARELLI", "1018", "############|#########", "7,8,9", 1.00},
    {"DELPHI", "1019", "LP####|TC####|HDF###", "0,4,7", 0.95},
    {"KYB", "1020", "######|3#####", "3", 1.00},
    {"MEYLE", "1021", "###-### ####|##-## ### ####", "", 0.85},
    {"FİLTRON", "1022", "OP ###|AP ###/#|PP ###/#|K ####", "2", 0.75},
    {"BOSAL", "1023", "###-###|2##-###", "9", 0.85},
    {"CASTROL", "1024", "15#@@#|15@###", "10", 1.00},
    {"PETROL OFİSİ", "1025", "PO-####|PO-#####", "10", 0.80},
    {"GKN", "1026", "######|30####", "11", 1.10},
    {"CORTECO", "1027", "########|#####", "5,9,11", 0.85},
};

const TArac araclar[] = {
    {"FIAT", "DOBLO 1.3 MJT", "HAFİF TİCARİ", "## ## ####|########|5#######", 9},
    {"FIAT", "LINEA 1.3 MJT", "BİNEK", "## ## ####|########", 6},
    {"FIAT", "EGEA 1.4 FIRE", "BİNEK", "5#######|## ## ####", 8},
    {"FIAT", "FIORINO 1.3 MJT", "HAFİF TİCARİ", "## ## ####|########", 5},
    {"RENAULT", "CLIO IV 1.5 DCI", "BİNEK", "7701 ### ###|#########R|82 00 ### ###", 8},
    {"RENAULT", "MEGANE III 1.5 DCI", "BİNEK", "7701 ### ###|#########R|82 00 ### ###", 7},
    {"RENAULT", "FLUENCE 1.6 16V", "BİNEK", "7701 ### ###|#########R", 5},
    {"RENAULT", "KANGOO 1.5 DCI", "HAFİF TİCARİ", "7701 ### ###|82 00 ### ###", 4},
    {"DACIA", "DUSTER 1.5 DCI", "BİNEK", "#########R|82 00 ### ###", 4},
    {"VW", "PASSAT B6 2.0 TDI", "BİNEK", "3C0 ### ### @|3C0 ### ###|1K0 ### ### @", 6},
    {"VW", "GOLF VII 1.6 TDI", "BİNEK", "5Q0 ### ### @|5Q0 ### ###|04L ### ### @", 6},
    {"VW", "CADDY 1.6 TDI", "HAFİF TİCARİ", "2K0 ### ### @|1K0 ### ### @|1K0 ### ###", 5},
    {"VW", "TRANSPORTER T5 2.5 TDI", "HAFİF TİCARİ", "7H0 ### ### @|7H0 ### ###|070 ### ### @", 4},
    {"VW", "POLO 1.4 TDI", "BİNEK", "6R0 ### ### @|6Q0 ### ###", 4},
    {"AUDI", "A4 B8 2.0 TDI", "BİNEK", "8K0 ### ### @|8K0 ### ###|03L ### ### @", 3},
    {"SKODA", "OCTAVIA III 1.6 TDI", "BİNEK", "5Q0 ### ### @|5E0 ### ###", 3},
    {"FORD", "TRANSIT 2.2 TDCI", "HAFİF TİCARİ", "@@##-####-@@|@@##-#@###-@@|# ### ###", 8},
    {"FORD", "FOCUS III 1.6 TDCI", "BİNEK", "@@##-####-@@|@@##-#@###-@@|# ### ###", 6},
    {"FORD", "FIESTA 1.4 TDCI", "BİNEK", "@@##-####-@@|# ### ###", 4},
    {"FORD", "CONNECT 1.8 TDCI", "HAFİF TİCARİ", "@@##-####-@@|# ### ###", 4},
    {"OPEL", "ASTRA J 1.6", "BİNEK", "## ### ###|## ## ###", 4},
    {"OPEL", "CORSA D 1.3 CDTI", "BİNEK", "## ### ###|## ## ###", 4},
    {"TOYOTA", "COROLLA 1.4 D-4D", "BİNEK", "#####-#####|#####-##@##", 5},
    {"TOYOTA", "HILUX 2.5 D-4D", "HAFİF TİCARİ", "#####-#####|#####-##@##", 2},
    {"HYUNDAI", "ACCENT BLUE 1.6 CRDI", "BİNEK", "#####-#@@##|#####-##@##", 4},
    {"HYUNDAI", "I20 1.4", "BİNEK", "#####-#@@##|#####-##@##", 3},
    {"KIA", "SPORTAGE 1.7 CRDI", "BİNEK", "#####-#@@##|#####-##@##", 2},
    {"MERCEDES", "SPRINTER 313 CDI", "HAFİF TİCARİ", "A ### ### ## ##|A ### ### ## ## ####", 3},
    {"MERCEDES", "C180 W204", "BİNEK", "A ### ### ## ##|A ### ### ## ## ####", 2},
    {"BMW", "3 SERİ E90 320D", "BİNEK", "## ## # ### ###|## ## ####", 2},
    {"PEUGEOT", "301 1.6 HDI", "BİNEK", "#### ##|##########|#### @#", 3},
    {"PEUGEOT", "PARTNER 1.6 HDI", "HAFİF TİCARİ", "#### ##|##########|#### @#", 3},
    {"CITROEN", "BERLINGO 1.6 HDI", "HAFİF TİCARİ", "#### ##|##########|#### @#", 3},
    {"HONDA", "CIVIC 1.6 I-VTEC", "BİNEK", "#####-@@@-@##|#####-@@@-###", 3},
    {"NISSAN", "QASHQAI 1.5 DCI", "BİNEK", "#####-@@##@|#####-##@##", 2},
    {"ISUZU", "NPR 3.0", "AĞIR VASITA", "8-#####-###-#|8#########", 1},
    {"IVECO", "DAILY 35C13", "AĞIR VASITA", "########|#########", 2},
};

const TKonum onArka[] = {{"ÖN", "FRONT"}, {"ARKA", "REAR"}};
const TKonum dortTeker[] = {{"ÖN SAĞ", "FRONT RIGHT"}, {"ÖN SOL", "FRONT LEFT"}, {"ARKA SAĞ", "REAR RIGHT"},
                            {"ARKA SOL", "REAR LEFT"}, {"ÖN", "FRONT"},          {"ARKA", "REAR"}};
const TKonum sagSol[] = {{"SAĞ", "RIGHT"}, {"SOL", "LEFT"}};
const TKonum altUst[] = {{"ALT", "LOWER"}, {"ÜST", "UPPER"}};

const TSehir sehirler[] = {
    {"İSTANBUL", "0212", "İKİTELLİ,BAYRAMPAŞA,ÜMRANİYE,ESENYURT,KARTAL,TUZLA"},
    {"ANKARA", "0312", "OSTİM,SİTELER,YENİMAHALLE,ETİMESGUT"},
    {"İZMİR", "0232", "BORNOVA,KARŞIYAKA,BUCA,ÇİĞLİ"},
    {"BURSA", "0224", "NİLÜFER,OSMANGAZİ,İNEGÖL"},
    {"KONYA", "0332", "SELÇUKLU,KARATAY,MERAM"},
    {"ADANA", "0322", "SEYHAN,ÇUKUROVA,YÜREĞİR"},
    {"ANTALYA", "0242", "KEPEZ,MURATPAŞA,MANAVGAT"},
    {"GAZİANTEP", "0342", "ŞEHİTKAMİL,ŞAHİNBEY"},
    {"KAYSERİ", "0352", "MELİKGAZİ,KOCASİNAN"},
    {"SAMSUN", "0362", "İLKADIM,ATAKUM,ÇARŞAMBA"},
    {"TRABZON", "0462", "ORTAHİSAR,AKÇAABAT"},
    {"ESKİŞEHİR", "0222", "ODUNPAZARI,TEPEBAŞI"},
    {"DİYARBAKIR", "0412", "BAĞLAR,KAYAPINAR"},
    {"ÇORUM", "0364", "MERKEZ,SUNGURLU"},
};

const char* const kisiAdlari[] = {"AHMET",  "MEHMET", "MUSTAFA", "ALİ",    "HÜSEYİN", "HASAN",  "İBRAHİM",
                                  "ÖMER",   "MURAT",  "EMRE",    "AYŞE",   "FATMA",   "ZEYNEP", "ELİF",
                                  "HATİCE", "ŞEYMA",  "GÜLŞEN",  "ÇAĞLAR", "OĞUZ",    "SERKAN", "TUĞBA"};

const char* const soyadlari[] = {"YILMAZ", "KAYA",  "DEMİR",   "ÇELİK",  "ŞAHİN",  "YILDIZ", "YILDIRIM",
                                 "ÖZTÜRK", "AYDIN", "ÖZDEMİR", "ARSLAN", "DOĞAN",  "KILIÇ",  "ASLAN",
                                 "ÇETİN",  "KOÇ",   "KURT",    "ÖZKAN",  "ŞİMŞEK", "POLAT",  "ERDOĞAN"};

const char* const firmaOnAdlari[] = {"ÖZ ANADOLU", "YILDIZ",   "GÜVEN",    "KARADENİZ", "EGE",     "MARMARA",
                                     "DOĞAN",      "ŞAHİNLER", "ÇELİKLER", "AKSOY",     "ERDEM",   "BİRLİK",
                                     "ATLAS",      "ÖZGÜR",    "KAYALAR",  "SÖNMEZ",    "UĞUR",    "TOROS",
                                     "KUZEY",      "ÇAĞDAŞ",   "İLKE",     "ASYA",      "GÖKTÜRK", "PINAR"};

const char* const firmaFaaliyetleri[] = {"OTO YEDEK PARÇA", "OTOMOTİV",     "OTO SANAYİ",
                                         "MOTORLU ARAÇLAR", "OTO ELEKTRİK", "YEDEK PARÇA VE SERVİS"};

const char* const firmaTurleri[] = {"LTD. ŞTİ.", "TİC. LTD. ŞTİ.", "A.Ş.", "SAN. VE TİC. A.Ş.", ""};

const char* const siparisMesajlari[] = {"",
                                        "",
                                        "Acil gönderim rica olunur.",
                                        "Faturayı şirket adına kesiniz.",
                                        "Eksik ürünleri ayrıca gönderebilirsiniz.",
                                        "Kargo ücreti alıcıya ait olacak.",
                                        "Öğleden sonra teslim alacağız.\r\nLütfen hazır ediniz."};

const char* const dagiticiNotlari[] = {"",
                                       "",
                                       "Stokta olmayan ürünler tedarik edilince gönderilecektir.",
                                       "Siparişiniz depodan çıkmıştır.",
                                       "Kampanya fiyatı uygulanmıştır.",
                                       "Vadeniz dolan bakiyenizi rica ederiz."};

} // namespace

std::span<const TAnaGrup> AnaGruplar() {
    return anaGruplar;
}

std::span<const TParcaTuru> ParcaTurleri() {
    return parcaTurleri;
}

std::span<const TUreticiMarka> UreticiMarkalar() {
    return ureticiMarkalar;
}

std::span<const TArac> Araclar() {
    return araclar;
}

std::span<const TKonum> Konumlar(TKonumlar tur) {
    switch (tur) {
    case TKonumlar::OnArka:
        return onArka;
    case TKonumlar::DortTeker:
        return dortTeker;
    case TKonumlar::SagSol:
        return sagSol;
    case TKonumlar::AltUst:
        return altUst;
    case TKonumlar::Yok:
        break;
    }
    return {};
}

std::span<const TSehir> Sehirler() {
    return sehirler;
}

std::span<const char* const> KisiAdlari() {
    return kisiAdlari;
}

std::span<const char* const> Soyadlari() {
    return soyadlari;
}

std::span<const char* const> FirmaOnAdlari() {
    return firmaOnAdlari;
}

std::span<const char* const> FirmaFaaliyetleri() {
    return firmaFaaliyetleri;
}

std::span<const char* const> FirmaTurleri() {
    return firmaTurleri;
}

std::span<const char* const> SiparisMesajlari() {
    return siparisMesajlari;
}

std::span<const char* const> DagiticiNotlari() {
    return dagiticiNotlari;
}

QStringList Parcala(const char* hucre, char ayrac) {
    return QString::fromUtf8(hucre).split(QLatin1Char(ayrac), Qt::SkipEmptyParts);
}
