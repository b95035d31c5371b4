#include "exchange/sample_towns.h"

#include <array>

namespace torvale {

namespace {

using Names = std::string_view;

// Club-name patterns by the country's language.
constexpr Names kGerman[] = {"FC %", "SV %", "VfB %", "TSV %", "SC %", "VfL %", "1. FC %", "SpVgg %", "FSV %", "Eintracht %"};
constexpr Names kEnglish[] = {"% United", "% City", "% Town", "% Rovers", "% Athletic", "% Albion", "% Wanderers", "% County"};
constexpr Names kFrench[] = {"AS %", "FC %", "Olympique %", "Stade %", "RC %", "US %", "SC %", "AJ %"};
constexpr Names kItalian[] = {"AC %", "US %", "AS %", "% Calcio", "SS %", "FC %"};
constexpr Names kSpanish[] = {"Real %", "CD %", "UD %", "Atlético %", "Deportivo %", "SD %", "CF %", "Racing %"};
constexpr Names kDutch[] = {"FC %", "SC %", "VV %", "RKC %", "Sparta %", "Fortuna %", "Go Ahead %"};
constexpr Names kBelgian[] = {"KV %", "KSC %", "Royal %", "Sporting %", "Cercle %", "RSC %"};
constexpr Names kDanish[] = {"% BK", "% IF", "FC %", "% Boldklub", "B 1909 %", "AGF %"};
constexpr Names kGreek[] = {"AE %", "PAS %", "AO %", "Athlitikos %", "Iraklis %", "Olympiakos %"};
constexpr Names kCroatian[] = {"NK %", "HNK %", "Dinamo %", "Hajduk %"};
constexpr Names kNorwegian[] = {"% IL", "% FK", "% BK", "% Ballklubb", "IK Start %"};
constexpr Names kPolish[] = {"KS %", "GKS %", "Polonia %", "Gornik %", "Odra %", "Pogon %"};
constexpr Names kPortuguese[] = {"SC %", "FC %", "CD %", "GD %", "Sporting %", "União %"};
constexpr Names kRomanian[] = {"FC %", "CS %", "Universitatea %", "Progresul %", "Rapid %", "Gloria %"};
constexpr Names kSwedish[] = {"% IF", "% FF", "% BK", "IFK %", "% AIK", "% GoIF"};
constexpr Names kCzech[] = {"FK %", "SK %", "FC %", "Viktoria %", "Slovan %", "Bohemians %"};
constexpr Names kTurkish[] = {"%spor", "% Belediyespor", "% Genclik", "% Idmanyurdu", "% Demirspor"};
constexpr Names kJapanese[] = {"% FC", "FC %", "% SC", "% United", "% Reds"};

constexpr Names kBelgium[] = {"Brugge", "Anderlecht", "Gent", "Genk", "Liège", "Charleroi", "Mechelen", "Lokeren", "Mons",
                              "Mouscron", "Beveren", "Lier", "Westerlo", "Sint-Truiden", "Oostende", "Kortrijk", "Aalst",
                              "Waregem", "Turnhout", "Tubize"};
constexpr Names kDenmark[] = {"København", "Brøndby", "Odense", "Aalborg", "Aarhus", "Esbjerg", "Silkeborg", "Viborg",
                              "Herfølge", "Vejle", "Randers", "Horsens", "Lyngby", "Frem", "Køge", "Næstved",
                              "Fredericia", "Holbæk", "Hvidovre", "Skive"};
constexpr Names kEngland[] = {"Manchester", "Liverpool", "Birmingham", "Leeds", "Newcastle", "Sheffield", "Bristol",
                              "Nottingham", "Leicester", "Southampton", "Portsmouth", "Derby", "Coventry", "Norwich",
                              "Ipswich", "Stoke", "Preston", "Reading", "Bolton", "Wigan", "Blackburn", "Burnley",
                              "Hull", "Plymouth"};
constexpr Names kFrance[] = {"Marseille", "Lyon", "Bordeaux", "Nantes", "Lille", "Lens", "Monaco", "Auxerre", "Rennes",
                             "Strasbourg", "Toulouse", "Nice", "Montpellier", "Bastia", "Sochaux", "Metz", "Guingamp",
                             "Le Havre", "Caen", "Nancy", "Saint-Étienne", "Lorient"};
constexpr Names kGermany[] = {"München", "Dortmund", "Hamburg", "Bremen", "Stuttgart", "Köln", "Frankfurt", "Berlin",
                              "Leverkusen", "Gelsenkirchen", "Kaiserslautern", "Bochum", "Mönchengladbach", "Nürnberg",
                              "Hannover", "Freiburg", "Rostock", "Bielefeld", "Wolfsburg", "Karlsruhe", "Aachen",
                              "Mainz", "Duisburg", "Braunschweig", "Cottbus", "Fürth", "Offenbach", "Oldenburg"};
constexpr Names kGreece[] = {"Athen", "Piräus", "Thessaloniki", "Patras", "Larisa", "Volos", "Xanthi", "Iraklio",
                             "Kalamata", "Ioannina", "Kavala", "Drama", "Serres", "Veria", "Chania", "Rodos"};
constexpr Names kNetherlands[] = {"Amsterdam", "Rotterdam", "Eindhoven", "Utrecht", "Heerenveen", "Enschede",
                                  "Groningen", "Alkmaar", "Nijmegen", "Breda", "Tilburg", "Zwolle", "Waalwijk",
                                  "Kerkrade", "Sittard", "Deventer", "Den Haag", "Leeuwarden", "Venlo", "Emmen"};
constexpr Names kIreland[] = {"Dublin", "Cork", "Limerick", "Galway", "Waterford", "Sligo", "Dundalk", "Drogheda",
                              "Bray", "Longford", "Athlone", "Kilkenny"};
constexpr Names kItaly[] = {"Milano", "Torino", "Roma", "Napoli", "Firenze", "Genova", "Bologna", "Parma", "Verona",
                            "Udine", "Bergamo", "Lecce", "Bari", "Palermo", "Brescia", "Perugia", "Cagliari",
                            "Vicenza", "Piacenza", "Livorno", "Messina", "Ancona"};
constexpr Names kCroatia[] = {"Zagreb", "Split", "Rijeka", "Osijek", "Varaždin", "Zadar", "Pula", "Šibenik",
                              "Slaven Belupo", "Cibalia", "Karlovac", "Dubrovnik"};
constexpr Names kNorway[] = {"Oslo", "Bergen", "Trondheim", "Stavanger", "Tromsø", "Molde", "Lillestrøm", "Bodø",
                             "Kristiansand", "Fredrikstad", "Sandefjord", "Haugesund", "Ålesund", "Sogndal",
                             "Hamar", "Moss"};
constexpr Names kAustria[] = {"Wien", "Graz", "Salzburg", "Innsbruck", "Linz", "Klagenfurt", "Ried", "Pasching",
                              "Mattersburg", "Bregenz", "Kapfenberg", "Leoben"};
constexpr Names kPoland[] = {"Warszawa", "Krakow", "Lodz", "Poznan", "Wroclaw", "Gdansk", "Katowice", "Szczecin",
                             "Bialystok", "Lublin", "Kielce", "Plock", "Bydgoszcz", "Zabrze", "Chorzow", "Lubin",
                             "Grodzisk", "Opole"};
constexpr Names kPortugal[] = {"Lisboa", "Porto", "Braga", "Coimbra", "Guimarães", "Setúbal", "Faro", "Aveiro",
                               "Leiria", "Funchal", "Barcelos", "Paços", "Vila do Conde", "Estoril", "Amadora",
                               "Olhão", "Penafiel", "Chaves", "Viseu", "Portimão"};
constexpr Names kRomania[] = {"Bucuresti", "Cluj", "Timisoara", "Craiova", "Constanta", "Iasi", "Brasov", "Ploiesti",
                              "Arad", "Bacau", "Galati", "Pitesti", "Oradea", "Sibiu", "Targu Mures", "Bistrita",
                              "Resita", "Suceava"};
constexpr Names kScotland[] = {"Glasgow", "Edinburgh", "Aberdeen", "Dundee", "Kilmarnock", "Motherwell",
                               "Inverness", "Livingston", "Falkirk", "Perth", "Paisley", "Greenock"};
constexpr Names kSpain[] = {"Madrid", "Barcelona", "Valencia", "Sevilla", "Bilbao", "Zaragoza", "Vigo", "La Coruña",
                            "Málaga", "Mallorca", "Santander", "Valladolid", "Oviedo", "Gijón", "Murcia", "Cádiz",
                            "Vitoria", "Pamplona", "Salamanca", "Albacete", "Tenerife", "Almería", "Elche",
                            "Huelva", "Córdoba"};
constexpr Names kSweden[] = {"Stockholm", "Göteborg", "Malmö", "Helsingborg", "Norrköping", "Örebro", "Halmstad",
                             "Kalmar", "Trelleborg", "Landskrona", "Sundsvall", "Västerås", "Gävle", "Degerfors",
                             "Östersund", "Umeå"};
constexpr Names kSwitzerland[] = {"Basel", "Zürich", "Bern", "Genève", "Lausanne", "Luzern", "St. Gallen", "Aarau",
                                  "Thun", "Sion", "Neuchâtel", "Lugano"};
constexpr Names kCzechia[] = {"Praha", "Brno", "Ostrava", "Plzen", "Liberec", "Olomouc", "Teplice", "Jablonec",
                              "Mlada Boleslav", "Zlin", "Opava", "Pribram", "Blsany", "Most", "Hradec Kralove",
                              "Ceske Budejovice", "Karvina", "Kladno"};
constexpr Names kTurkey[] = {"Istanbul", "Ankara", "Izmir", "Trabzon", "Bursa", "Konya", "Kayseri", "Antalya",
                             "Samsun", "Gaziantep", "Denizli", "Malatya", "Sakarya", "Adana", "Rize", "Diyarbakir",
                             "Erzurum", "Eskisehir"};
constexpr Names kJapan[] = {"Kashima", "Urawa", "Yokohama", "Tokyo", "Nagoya", "Osaka", "Kobe", "Hiroshima",
                            "Shimizu", "Iwata", "Kashiwa", "Sendai", "Niigata", "Kyoto", "Oita", "Sapporo"};

constexpr std::array<SampleCountryTowns, 22> kTowns = {{
    {4, kBelgium, kBelgian, "Stadion"},
    {7, kDenmark, kDanish, "Stadion"},
    {12, kEngland, kEnglish, "Park"},
    {13, kFrance, kFrench, "Stade"},
    {14, kGermany, kGerman, "Stadion"},
    {17, kGreece, kGreek, "Stadio"},
    {18, kNetherlands, kDutch, "Stadion"},
    {21, kIreland, kEnglish, "Park"},
    {22, kItaly, kItalian, "Stadio"},
    {25, kCroatia, kCroatian, "Stadion"},
    {26, kNorway, kNorwegian, "Stadion"},
    {27, kAustria, kGerman, "Stadion"},
    {34, kPoland, kPolish, "Stadion"},
    {36, kPortugal, kPortuguese, "Estádio"},
    {37, kRomania, kRomanian, "Stadionul"},
    {42, kScotland, kEnglish, "Park"},
    {45, kSpain, kSpanish, "Estadio"},
    {46, kSweden, kSwedish, "Stadion"},
    {47, kSwitzerland, kGerman, "Stadion"},
    {48, kCzechia, kCzech, "Stadion"},
    {49, kTurkey, kTurkish, "Stadyumu"},
    {167, kJapan, kJapanese, "Stadium"},
}};

}  // namespace

const SampleCountryTowns* FindSampleTowns(int country) {
  for (const SampleCountryTowns& towns : kTowns)
    if (towns.country == country) return &towns;
  return nullptr;
}

}  // namespace torvale
