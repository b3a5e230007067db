#pragma once
// The words of the remarks in French: the fragments their French wording (remark_words_fr.cpp)
// is built from, as data, table by table in the order of the English ones
// (remark_vocabulary.hpp) and of the code tables of remark_kinds.hpp, which remark_words_fr.cpp
// checks when compiling. The whole remarks and the phrases repeat their codes, so that a row
// out of place does not compile.
//
// The terms are those of French aeronautical meteorology (the French edition of ICAO Annex 3,
// the WMO code tables in French and the French pages of the International Cloud Atlas) and, for
// the North American remarks, of the French edition of the Canadian surface observation manual.
// Typography: a decimal comma, a no-break space (U+00A0) between a number and its unit and
// before ":" and ";", times as "17 h 15 UTC", the apostrophe of the body's French (ASCII).
//
// Fields are passed as typed in the report; numbers lose their leading zeros but never a digit.
// Every sentence ends in a full stop and one space.

#include <array>
#include <cstddef>
#include <string_view>

#include "metar/fragment.hpp"
#include "metar/remark_vocabulary.hpp"

namespace vantrel::remark_words::fr {

// --- Single-group remarks that are a whole sentence -----------------------------------------

// clang-format off
inline constexpr std::array<WholeRemarkWords, 27> kWholeRemarks{{
    {"AO1", "Station automatique sans détecteur du type de précipitation. "},
    {"AO2", "Station automatique avec détecteur du type de précipitation. "},
    {"A01", "Station automatique sans détecteur du type de précipitation. "},
    {"A02", "Station automatique avec détecteur du type de précipitation. "},
    {"AO1A", "Station automatique sans détecteur du type de précipitation, observation complétée par un observateur. "},
    {"AO2A", "Station automatique avec détecteur du type de précipitation, observation complétée par un observateur. "},
    {"A01A", "Station automatique sans détecteur du type de précipitation, observation complétée par un observateur. "},
    {"A02A", "Station automatique avec détecteur du type de précipitation, observation complétée par un observateur. "},
    {"SLPNO", "La pression au niveau de la mer n'est pas disponible. "},
    {"SLP///", "La pression au niveau de la mer n'est pas transmise. "},
    {"PRESRR", "La pression monte rapidement. "},
    {"PRESFR", "La pression baisse rapidement. "},
    {"PWINO", "Le capteur de temps présent n'est pas disponible. "},
    {"TSNO", "Le détecteur d'orages n'est pas disponible. "},
    {"FZRANO", "Le détecteur de pluie verglaçante n'est pas disponible. "},
    {"PNO", "Le pluviomètre n'est pas disponible. "},
    {"RVRNO", "La portée visuelle de piste n'est pas disponible. "},
    {"VISNO", "Le capteur de visibilité du second emplacement n'est pas disponible. "},
    {"CHINO", "Le télémètre à nuages du second emplacement n'est pas disponible. "},
    {"$", "La station automatique nécessite une maintenance. "},
    {"FROPA", "Passage frontal. "},
    {"NOSPECI", "Cette station n'émet pas de message d'observation spéciale. "},
    {"FIRST", "Première observation après une interruption. "},
    {"LAST", "Dernière observation avant une interruption. "},
    {"BINOVC", "Trouées dans la couche couvrante. "},
    {"FROIN", "Givre sur les instruments. "},
    {"HZY", "Brume sèche. "},
}};
// clang-format on

// NATO colour states, in the order of kColourCodes.
// clang-format off
inline constexpr std::array<Sentence, 8> kColours{{
    "bleu\u00A0: visibilité de 8\u00A0kilomètres ou plus et base des nuages significatifs les plus bas à 2500\u00A0pieds ou plus. ",  // BLU
    "blanc\u00A0: visibilité de 5\u00A0kilomètres ou plus et base des nuages significatifs les plus bas à 1500\u00A0pieds ou plus. ",  // WHT
    "vert\u00A0: visibilité de 3700\u00A0mètres ou plus et base des nuages significatifs les plus bas à 700\u00A0pieds ou plus. ",  // GRN
    "jaune\u00A0: visibilité de 1600\u00A0mètres ou plus et base des nuages significatifs les plus bas à 300\u00A0pieds ou plus. ",  // YLO
    "jaune\u00A01\u00A0: visibilité de 2500\u00A0mètres ou plus et base des nuages significatifs les plus bas à 500\u00A0pieds ou plus. ",  // YLO1
    "jaune\u00A02\u00A0: visibilité de 1600\u00A0mètres ou plus et base des nuages significatifs les plus bas à 300\u00A0pieds ou plus. ",  // YLO2
    "ambre\u00A0: visibilité de 800\u00A0mètres ou plus et base des nuages significatifs les plus bas à 200\u00A0pieds ou plus. ",  // AMB
    "rouge\u00A0: visibilité inférieure à 800\u00A0mètres ou base des nuages significatifs les plus bas au-dessous de 200\u00A0pieds. ",  // RED
}};
// clang-format on
inline constexpr Fragment kColourState = "Code couleur ";
inline constexpr Fragment kTemporarilyColourState = "Temporairement, code couleur ";
inline constexpr Fragment kBecomingColourState = "Code couleur devenant ";
inline constexpr Fragment kAerodromeClosed =
    "L'aérodrome est inutilisable pour des raisons autres que les nuages ou la visibilité. ";

// clang-format off
inline constexpr std::array<PhraseWords, 35> kPhrases{{
    {{"WND", "DATA", "ESTMD"}, "Les données de vent sont estimées. "},
    {{"ALSTG/SLP", "ESTMD", ""}, "Le calage altimétrique et la pression au niveau de la mer sont estimés. "},
    {{"ALSTG", "ESTMD", ""}, "Le calage altimétrique est estimé. "},
    {{"SLP", "ESTMD", ""}, "La pression au niveau de la mer est estimée. "},
    {{"ACFT", "MSHP", ""}, "Accident d'aéronef. "},
    {{"APRNT", "FROPA", ""}, "Passage frontal apparent. "},
    {{"MT", "OBSC", ""}, "Les montagnes sont masquées. "},
    {{"MON", "LIB", "NC"}, "Les montagnes sont dégagées, sans changement. "},
    {{"MON", "LIB", ""}, "Les montagnes sont dégagées. "},
    {{"MON", "INVIS", "NC"}, "Les montagnes ne sont pas visibles, sans changement. "},
    {{"MON", "INVIS", ""}, "Les montagnes ne sont pas visibles. "},
    {{"MON", "INC", ""}, "Les montagnes sont prises dans les nuages. "},
    {{"VAL", "NIL", "NC"}, "Les vallées sont sans brouillard ni nuages, sans changement. "},
    {{"VAL", "NIL", ""}, "Les vallées sont sans brouillard ni nuages. "},
    {{"VAL", "INVIS", "NC"}, "Les vallées ne sont pas visibles, sans changement. "},
    {{"VAL", "INVIS", ""}, "Les vallées ne sont pas visibles. "},
    {{"BIRD", "HAZARD", ""}, "Péril aviaire. "},
    {{"DENSITY", "ALT", "MISG"}, "L'altitude-densité est manquante. "},
    {{"CIG", "RAG", ""}, "Le plafond est déchiqueté. "},
    {{"WND", "MISG", ""}, "Les données de vent sont manquantes. "},
    {{"CLD", "MISG", ""}, "Les données de nuages sont manquantes. "},
    {{"WX", "MISG", ""}, "Les données de temps présent sont manquantes. "},
    {{"VIS", "MISG", ""}, "Les données de visibilité sont manquantes. "},
    {{"PCPN", "MISG", ""}, "Les données de précipitations sont manquantes. "},
    {{"PRES", "MISG", ""}, "Les données de pression sont manquantes. "},
    {{"ICG", "MISG", ""}, "Les données de givrage sont manquantes. "},
    {{"ICE", "MISG", ""}, "Les données de givrage sont manquantes. "},
    {{"TD", "MISG", ""}, "Les données de point de rosée sont manquantes. "},
    {{"DP", "MISG", ""}, "Les données de point de rosée sont manquantes. "},
    {{"T", "MISG", ""}, "Les données de température sont manquantes. "},
    {{"RVR", "MISG", ""}, "Les données de portée visuelle de piste sont manquantes. "},
    {{"CIG", "MISG", ""}, "Les données de plafond sont manquantes. "},
    {{"SLP", "MISG", ""}, "Les données de pression au niveau de la mer sont manquantes. "},
    {{"TS/LTNG", "TEMPO", "UNAVBL"}, "Les données d'orage et de foudre sont temporairement indisponibles. "},
    {{"LTG", "DATA", "MISG"}, "Les données de foudre sont manquantes. "},
}};
// clang-format on

// --- Numbers, times and places --------------------------------------------------------------

inline constexpr Fragment kDecimalComma = ",";
inline constexpr Fragment kMinus = "-";
inline constexpr Fragment kHundreds = "00";
inline constexpr Fragment kThousandsSeparator = "\u00A0";
inline constexpr Fragment kStop = ". ";
inline constexpr Fragment kComma = ", ";
inline constexpr Fragment kSpace = " ";
inline constexpr Fragment kAnd = " et ";
inline constexpr Fragment kSemicolon = "\u00A0; ";

// Times: hhmm is "à 15 h 47 UTC", mm alone "47 minutes après l'heure ronde", 00 "à l'heure
// ronde"; each brings its own preposition.
inline constexpr Fragment kAtTime = "à ";
inline constexpr Fragment kHours = "\u00A0h\u00A0";
inline constexpr Fragment kUtc = "\u00A0UTC";
inline constexpr Fragment kMinutesPast = "\u00A0minutes après l'heure ronde";
inline constexpr Fragment kMinutePast = "\u00A0minute après l'heure ronde";
inline constexpr Fragment kTopOfTheHour = "à l'heure ronde";

// Words that elide before a vowel: "au nord", "à l'est"; "de cumulus", "d'altocumulus".
struct Elision {
  Fragment consonant;
  Fragment vowel;
};
// What comes before a compass point, whose French name (compass_words_fr.hpp) brings its
// article: " au nord", " jusqu'à l'est", ", se déplaçant vers le sud".
struct PointLead {
  Fragment words;
  bool at;  // the point's name after "à" ("au nord"), else with its article ("le nord")
};
inline constexpr PointLead kToThe{" ", true};
inline constexpr PointLead kAndToThe{" et ", true};
inline constexpr PointLead kThrough{" jusqu'", true};
inline constexpr PointLead kMoving{", se déplaçant vers ", false};
// Places that follow a phenomenon (DSNT, VC, OHD, ALQDS and the like).
inline constexpr Fragment kAndWord = " et";
inline constexpr Fragment kInTheVicinity = " au voisinage";
// In the order of remarks::PlaceKind, up to the places of a direction.
inline constexpr std::array<Fragment, 8> kPlaces{{
    " au loin",                         // DSNT
    kInTheVicinity,                     // VC
    " à la verticale",                  // OHD
    " dans tous les quadrants",         // ALQDS
    " au-dessus de l'aérodrome",        // OVER THE FIELD
    " au-dessus de la piste",           // OVER RWY
    " dans l'aire d'approche",          // IN APCH
    " dans l'aire de montée initiale",  // IN CLIMB OUT
}};
inline constexpr Fragment kKilometresAt = " à ";
inline constexpr Fragment kKilometres = "\u00A0kilomètres";
inline constexpr Fragment kKilometre = "\u00A0kilomètre";
inline constexpr Fragment kStationary = ", sans déplacement";

// --- Pressure -------------------------------------------------------------------------------

inline constexpr Fragment kSeaLevelPressureIs = "La pression au niveau de la mer est de ";
inline constexpr Fragment kHectopascals = "\u00A0hPa";
inline constexpr Fragment kQfeIs = "La pression au niveau de l'aérodrome (QFE) est de ";
inline constexpr Fragment kMillimetresOfMercury = "\u00A0millimètres de mercure";
inline constexpr Fragment kOpenBracket = " (";
inline constexpr Fragment kCloseBracket = ")";

// Pressure tendency 5appp: the characteristic a, WMO code table 0200, then the change ppp.
inline constexpr Fragment kTendencyIntro = "Tendance barométrique des 3 dernières heures\u00A0: ";
inline constexpr std::array<Fragment, 9> kTendency{{
    "en hausse, puis en baisse",
    "en hausse, puis stationnaire, ou en hausse, puis en hausse plus lente",
    "en hausse régulière ou irrégulière",
    "en baisse ou stationnaire, puis en hausse, ou en hausse, puis en hausse plus rapide",
    "stationnaire",
    "en baisse, puis en hausse",
    "en baisse, puis stationnaire, ou en baisse, puis en baisse plus lente",
    "en baisse régulière ou irrégulière",
    "stationnaire ou en hausse, puis en baisse, ou en baisse, puis en baisse plus rapide",
}};
inline constexpr Fragment kHigherBy = "\u00A0; la pression est supérieure de ";
inline constexpr Fragment kLowerBy = "\u00A0; la pression est inférieure de ";
inline constexpr Fragment kThanThreeHoursAgo = " à celle d'il y a 3\u00A0heures. ";
inline constexpr Fragment kSameAsThreeHoursAgo =
    "\u00A0; la pression est la même qu'il y a 3\u00A0heures. ";
inline constexpr Fragment kTendencyNotReported = "La tendance barométrique n'est pas transmise. ";

// --- Temperature ----------------------------------------------------------------------------

inline constexpr Fragment kTemperatureIs = "La température est de ";
inline constexpr Fragment kDewPointIs = ", le point de rosée de ";
inline constexpr Fragment kDewPointNotReported = ", le point de rosée n'est pas transmis";
inline constexpr Fragment kCelsius = "\u00A0°C";
inline constexpr Fragment kMaximum6h = "La température maximale des 6 dernières heures est de ";
inline constexpr Fragment kMinimum6h = "La température minimale des 6 dernières heures est de ";
inline constexpr Fragment kMaximum24h =
    "Sur les 24 dernières heures, la température maximale est de ";
inline constexpr Fragment kMinimum24h = ", la minimale de ";

// --- Precipitation, snow and ice ------------------------------------------------------------

inline constexpr Fragment kInches = "\u00A0pouces";
inline constexpr Fragment kInch = "\u00A0pouce";
// In the order of remarks::AmountKind.
inline constexpr std::array<AmountWords, 8> kAmounts{{
    // Pnnnn
    {"La hauteur de précipitations de la dernière heure est de ",
     "Traces de précipitations au cours de la dernière heure. ",
     "La hauteur de précipitations de la dernière heure n'a pas pu être déterminée. "},
    // 6RRRR
    {"La hauteur de précipitations des 3 ou 6 dernières heures est de ",
     "Traces de précipitations au cours des 3 ou 6 dernières heures. ",
     "La hauteur de précipitations des 3 ou 6 dernières heures n'a pas pu être déterminée. "},
    // 7RRRR
    {"La hauteur de précipitations des 24 dernières heures est de ", "",
     "La hauteur de précipitations des 24 dernières heures n'a pas pu être déterminée. "},
    // 931sss
    {"La hauteur de neige fraîche des 6 dernières heures est de ",
     "Traces de neige au cours des 6 dernières heures. ",
     "La hauteur de neige fraîche des 6 dernières heures n'est pas transmise. "},
    // 933RRR
    {"L'équivalent en eau de la neige au sol est de ", "",
     "L'équivalent en eau de la neige au sol n'est pas transmis. "},
    // I1nnn
    {"L'accumulation de glace de la dernière heure est de ",
     "Traces d'accumulation de glace au cours de la dernière heure. ",
     "L'accumulation de glace de la dernière heure n'est pas transmise. "},
    // I3nnn
    {"L'accumulation de glace des 3 dernières heures est de ",
     "Traces d'accumulation de glace au cours des 3 dernières heures. ",
     "L'accumulation de glace des 3 dernières heures n'est pas transmise. "},
    // I6nnn
    {"L'accumulation de glace des 6 dernières heures est de ",
     "Traces d'accumulation de glace au cours des 6 dernières heures. ",
     "L'accumulation de glace des 6 dernières heures n'est pas transmise. "},
}};
inline constexpr Fragment kSnowDepthIs = "La hauteur de neige au sol est de ";
inline constexpr Fragment kSnowDepthNotReported = "La hauteur de neige n'est pas transmise. ";
inline constexpr Fragment kSnowIncreasing = "Forte augmentation de la hauteur de neige\u00A0: ";
inline constexpr Fragment kInTheLastHour = " au cours de la dernière heure, ";
inline constexpr Fragment kOnTheGround = " au sol. ";
inline constexpr Fragment kHailstones = "Les plus gros grêlons mesurent ";
inline constexpr Fragment kAcross = " de diamètre. ";
inline constexpr Fragment kPrecipitationLastHour = kAmounts[0].amount;
inline constexpr Fragment kMillimetres = "\u00A0millimètres";
inline constexpr Fragment kMillimetre = "\u00A0millimètre";
inline constexpr Fragment kSunshine = "La durée d'ensoleillement de la veille est de ";
inline constexpr Fragment kMinutes = "\u00A0minutes";
inline constexpr Fragment kMinute = "\u00A0minute";
inline constexpr Fragment kNoSunshine = "Il n'y a pas eu d'ensoleillement la veille. ";

// --- Wind -----------------------------------------------------------------------------------

inline constexpr Fragment kPeakWindFrom = "Vent de pointe du ";
inline constexpr Fragment kDegreeSign = "°";
inline constexpr Fragment kSpeedOf = " de ";
inline constexpr Fragment kAtSpeed = " à ";
inline constexpr Fragment kKnots = "\u00A0nœuds";
inline constexpr Fragment kKnot = "\u00A0nœud";
inline constexpr Fragment kMetresPerSecond = "\u00A0mètres par seconde";
inline constexpr Fragment kMetrePerSecond = "\u00A0mètre par seconde";
inline constexpr Fragment kRecorded = ", relevé ";
inline constexpr Fragment kGustingTo = ", avec des rafales à ";
inline constexpr Fragment kBlowsFrom = " souffle du ";
inline constexpr Fragment kIsVariableAt = " est de direction variable à ";
inline constexpr Fragment kIsCalm = " est calme";
inline constexpr Fragment kIsNotReported = " n'est pas transmis";
inline constexpr Fragment kWindShift = "Saute de vent ";
inline constexpr Fragment kWithFrontalPassage = ", avec passage frontal";
inline constexpr Fragment kDirectionVaries = ", direction variable entre ";
inline constexpr Fragment kWindForRunway = "Le vent pour la piste ";
inline constexpr Fragment kAtTouchdownZone = " dans la zone de toucher des roues";
inline constexpr Fragment kAtRunwayEnd = " à l'extrémité de piste";
inline constexpr Fragment kWindAtThreshold = "Le vent au seuil de la piste ";
inline constexpr Fragment kWindAtHeight = "Le vent à ";
inline constexpr Fragment kFeet = "\u00A0pieds";
inline constexpr Fragment kFoot = "\u00A0pied";
inline constexpr Fragment kWindAtHarbour = "Le vent au port";

// --- Visibility and ceiling -----------------------------------------------------------------

inline constexpr Fragment kVisibility = "La visibilité";
inline constexpr Fragment kTowerVisibility = "La visibilité depuis la tour de contrôle";
inline constexpr Fragment kSurfaceVisibility = "La visibilité au niveau du sol";
inline constexpr Fragment kMinimumVisibility = "La visibilité minimale";
inline constexpr Fragment kAtRunway = " à la piste ";
inline constexpr Fragment kIsOf = " est de ";
inline constexpr Fragment kVariesBetween = " varie entre ";
inline constexpr Fragment kStatuteMiles = "\u00A0milles terrestres";
inline constexpr Fragment kStatuteMile = "\u00A0mille terrestre";
inline constexpr Fragment kMetres = "\u00A0mètres";
inline constexpr Fragment kMetre = "\u00A0mètre";
inline constexpr Fragment kTenKilometresOrMore = "10\u00A0kilomètres ou plus";
inline constexpr Fragment kLessThan = "moins de ";
inline constexpr Fragment kMoreThan = "plus de ";
inline constexpr Fragment kCeiling = "Le plafond";
inline constexpr Fragment kSkyCover = "La nébulosité";
inline constexpr Fragment kSkyCoverAt = " à ";
inline constexpr Fragment kDensityAltitudeIs = "L'altitude-densité est de ";
inline constexpr Fragment kVisibilitySensorAt = "Le capteur de visibilité de la piste ";
inline constexpr Fragment kCloudHeightSensorAt = "Le télémètre à nuages de la piste ";
inline constexpr Fragment kIsNotAvailable = " n'est pas disponible. ";

// In the order of kSkyCoverCodes: the cover named, and in oktas.
inline constexpr std::array<Fragment, 5> kSkyCovers{{
    "quelques nuages",    // FEW
    "nuages épars",       // SCT
    "nuages fragmentés",  // BKN
    "ciel couvert",       // OVC
    "ciel clair",         // SKC
}};
inline constexpr std::array<Fragment, 5> kSkyCoverOktas{{
    "1 à 2\u00A0octas",  // FEW
    "3 à 4\u00A0octas",  // SCT
    "5 à 7\u00A0octas",  // BKN
    "8\u00A0octas",      // OVC
    "0\u00A0octa",       // SKC
}};

// --- Phenomena and cloud types --------------------------------------------------------------

// In the order of kSightCodes.
// clang-format off
inline constexpr std::array<Fragment, 14> kSights{{
    "cumulonimbus",  // CB
    "cumulonimbus mamma",  // CBMAM
    "cumulus bourgeonnants",  // TCU
    "altocumulus castellanus",  // ACC
    "altocumulus lenticulaires stationnaires",  // ACSL
    "stratocumulus lenticulaires stationnaires",  // SCSL
    "cirrocumulus lenticulaires stationnaires",  // CCSL
    "virga",  // VIRGA
    "averses au voisinage",  // VCSH
    "orage au voisinage",  // VCTS
    "fumée",  // SMOKE
    "brouillard",  // FOG
    "brume sèche",  // HAZE
    "bancs de brouillard",  // BCFG
}};
// clang-format on

// +FC, a funnel cloud that reaches the ground or the sea.
inline constexpr Fragment kTornado = "tornade ou trombe";
inline constexpr Fragment kStarted = "\u00A0: début ";
inline constexpr Fragment kStartedOther = "début ";
inline constexpr Fragment kEnded = "\u00A0: fin ";
inline constexpr Fragment kEndedOther = "fin ";
// Cloud genera and the obscurations, in the order of kLayerCodes.
// clang-format off
inline constexpr std::array<Fragment, 27> kLayerTypes{{
    "altocumulus castellanus",  // ACC
    "cumulus bourgeonnants",  // TCU
    "chasse-neige élevée",  // BLSN
    "chasse-poussière élevée",  // BLDU
    "chasse-sable élevée",  // BLSA
    "chasse-neige basse",  // DRSN
    "cirrus",  // CI
    "cirrostratus",  // CS
    "cirrocumulus",  // CC
    "altostratus",  // AS
    "altocumulus",  // AC
    "nimbostratus",  // NS
    "stratocumulus",  // SC
    "stratus",  // ST
    "stratus fractus",  // SF
    "cumulus",  // CU
    "cumulus fractus",  // CF
    "cumulonimbus",  // CB
    "brouillard",  // FG
    "brume",  // BR
    "neige",  // SN
    "brume sèche",  // HZ
    "fumée",  // FU
    "pluie",  // RA
    "bruine",  // DZ
    "granules de glace",  // PL
    "cristaux de glace",  // IC
}};
// clang-format on
inline constexpr Fragment kLayersIntro = "Nébulosité par couche\u00A0: ";
inline constexpr Fragment kOkta = "\u00A0octa";
inline constexpr Fragment kOktas = "\u00A0octas";
inline constexpr Elision kOf{" de ", " d'"};
inline constexpr Elision kTraceOf{"Traces de ", "Traces d'"};
inline constexpr Fragment kCloudLayer = "Couche nuageuse\u00A0: ";
inline constexpr Fragment kInALayer = " en couche";
inline constexpr Fragment kAt = " à ";
inline constexpr Fragment kAtTheSurface = " au sol";

// Lightning: frequency, then the types of discharge.
inline constexpr std::array<Fragment, 3> kLightningFrequency{{
    "Éclairs occasionnels",  // OCNL
    "Éclairs fréquents",     // FRQ
    "Éclairs continus",      // CONS
}};
inline constexpr Fragment kLightning = "Éclairs";
inline constexpr std::array<Fragment, 4> kLightningTypes{{
    "intranuageux",  // IC
    "entre nuages",  // CC
    "nuage-sol",     // CG
    "nuage-air",     // CA
}};

// Cloud types 8/CLCMCH: WMO code tables 0513 (low), 0515 (middle) and 0509 (high), as the
// French International Cloud Atlas names them; the last entry of each is the solidus.
inline constexpr Fragment kLowClouds = "Nuages bas\u00A0: ";
inline constexpr Fragment kMiddleClouds = "\u00A0; nuages moyens\u00A0: ";
inline constexpr Fragment kHighClouds = "\u00A0; nuages élevés\u00A0: ";
// clang-format off
inline constexpr std::array<Fragment, 11> kLowCloudTypes{{
    "aucun",
    "cumulus de beau temps",
    "cumulus à extension verticale modérée ou forte",
    "cumulonimbus sans enclume",
    "stratocumulus formés par l'étalement de cumulus",
    "stratocumulus ne provenant pas de cumulus",
    "stratus",
    "stratus fractus ou cumulus fractus de mauvais temps",
    "cumulus et stratocumulus à des niveaux différents",
    "cumulonimbus à enclume",
    "invisibles",
}};
inline constexpr std::array<Fragment, 11> kMiddleCloudTypes{{
    "aucun",
    "altostratus mince",
    "altostratus épais ou nimbostratus",
    "altocumulus minces à un seul niveau",
    "bancs d'altocumulus minces, en évolution continuelle",
    "altocumulus minces en bandes ou envahissant le ciel",
    "altocumulus formés par l'étalement de cumulus ou de cumulonimbus",
    "altocumulus avec altostratus ou nimbostratus, ou altocumulus épais ou à plusieurs niveaux",
    "altocumulus castellanus ou floccus",
    "altocumulus d'un ciel chaotique",
    "invisibles",
}};
inline constexpr std::array<Fragment, 11> kHighCloudTypes{{
    "aucun",
    "filaments de cirrus, n'envahissant pas le ciel",
    "cirrus denses en bancs ou en gerbes",
    "cirrus denses issus d'un cumulonimbus",
    "cirrus en crochets ou en filaments envahissant le ciel",
    "cirrostratus ou cirrus en bandes, envahissant le ciel, à moins de 45° au-dessus de l'horizon",
    "cirrostratus ou cirrus en bandes, envahissant le ciel, à plus de 45°, sans le couvrir entièrement",
    "cirrostratus couvrant tout le ciel",
    "cirrostratus n'envahissant pas le ciel et ne le couvrant pas entièrement",
    "cirrocumulus seuls ou prédominants",
    "invisibles",
}};
// clang-format on

// --- Other remarks --------------------------------------------------------------------------

inline constexpr Fragment kCorrection = "Correction ";
inline constexpr Fragment kLastStaffed = "Dernière observation effectuée par un observateur";
inline constexpr Fragment kNext = ", prochaine observation ";
inline constexpr Fragment kOnThe = "le ";
inline constexpr Fragment kBirdHazardOnRunway = "Péril aviaire sur la piste ";
inline constexpr Fragment kCloudBaseIs = "La base des nuages est à ";

}  // namespace vantrel::remark_words::fr
