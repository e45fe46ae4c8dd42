#include "eeae/band_table.h"

namespace eeae {

const std::array<BandRow, 3> bandTable = {{
    {"Check1",
     "Frame2",
     "GSM - 900",
     {"Label1", "Label2", "Label3"},
     "pgsm",
     "gmlgsm",
     "gslgsm",
     {"sg1", "sg2", "eg1", "eg2", "mg1", "mg2", "dg1", "dg2"},
     "GSM:",
     "Έχετε εισάγει μη έγκυρη τιμή παραμέτρου του σταθμού βάσης GSM-900",
     "Υπόδειξη : Εισάγετε μία έγκυρη τιμή παραμέτρου του σταθμού βάσης GSM-900 και πιέστε ξανά την "
     "εντολή <<Υπολογισμοί>>"},
    {"Check2",
     "cs", // the DCS-1800 frame's name in the system (GSM's is "Frame2"): not a typo to mend
     "DCS - 1800",
     {"Label6", "Label5", "Label4"},
     "pdcs",
     "gmldcs",
     "gsldcs",
     {"sd1", "sd2", "ed1", "ed2", "md1", "md2", "dd1", "dd2"},
     "DCS:",
     "Έχετε εισάγει μη έγκυρη τιμή παραμέτρου του σταθμού βάσης DCS-1800",
     "Υπόδειξη : Εισάγετε μία έγκυρη τιμή παραμέτρου του σταθμού βάσης DCS-1800 και πιέστε ξανά την "
     "εντολή <<Υπολογισμοί>>"},
    {"Check3",
     "Frame2",
     "UMTS - 2100",
     {"Label9", "Label8", "Label7"},
     "pumts",
     "gmlumts",
     "gslumts",
     {"su1", "su2", "eu1", "eu2", "mu1", "mu2", "du1", "du2"},
     "UMTS:",
     "Έχετε εισάγει μη έγκυρη τιμή παραμέτρου του σταθμού βάσης UMTS-2100",
     "Υπόδειξη : Εισάγετε μία έγκυρη τιμή παραμέτρου του σταθμού βάσης UMTS-2100 και πιέστε ξανά την "
     "εντολή <<Υπολογισμοί>>"},
}};

} // namespace eeae
