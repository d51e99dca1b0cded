#include "store/BuiltInLetterSets.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "store/FieldReader.h"

namespace lenvari {
namespace {

struct BuiltInFile {
  const char* name;
  int sizes;
  int sets;
  int numerator;
  // One row per size, the largest first: the denominator, then the letter lines.
  std::vector<std::string_view> rows;
};

const BuiltInFile& BuiltIn(int f) {
  // The Sloan letter file and the ETDRS file carry the same thirteen rows.
  static const std::vector<std::string_view> kSloanRows = {
      "400,OZDVK,CRHDV,RKVSN", "200,SVHCZ,ZKCSN,HCDRO", "100,VHCNO,ODHKR,SZRDN",
      "80,NVDOR,SNROH,ZHCSR",  "70,HZOVC,RHSDV,NCKHD",  "60,SRZKD,NCVOZ,HZCKO",
      "50,CKDNR,SVZDK,OHVKC",  "40,ZSOKN,CSRHN,DVOHC",  "30,DKSNV,HDKCR,ZKCSV",
      "25,ONHRC,VSHZO,KDNRO",  "20,CZRHS,KZVDC,ONVSR",  "15,DOVHR,ONRKD,CZSHN",
      "10,RHSDK,CKZOH,NCVKD"};
  static const BuiltInFile kFiles[kLetterSetFiles + 1] = {
      {"Psychometric", 17, 8, 20,
       {"400,l,r,d,r,u,d,u,l",
        "316,d,u,d,r,u,r,l,l",
        "252,r,u,l,u,d,d,r,l",
        "200,u,u,l,r,l,d,r,d",
        "160,r,u,u,d,l,d,r,l",
        "126,d,l,r,r,u,d,u,l",
        "100,d,u,d,r,r,l,u,l",
        "80,r,u,l,r,l,d,d,u",
        "64,l,r,d,r,u,d,u,l",
        "50,d,u,d,r,u,r,l,l",
        "40,r,u,l,u,d,d,r,l",
        "32,u,u,l,r,l,d,r,d",
        "26,r,u,u,d,l,d,r,l",
        "20,d,l,r,r,u,d,u,l",
        "16,d,u,d,r,r,l,u,l",
        "12.5,r,u,l,r,l,d,d,u",
        "10,l,r,d,r,u,d,u,l"}},
      {"Sloan 5 letter", 13, 3, 20,
       kSloanRows},
      {"HOTV", 13, 1, 20,
       {"400,VTHTO",
        "200,HOTVT",
        "100,VTOHV",
        "80,TVOVH",
        "70,OHVTO",
        "60,TVHOV",
        "50,OVHTO",
        "40,HTOVT",
        "30,TVHOH",
        "25,TOHVT",
        "20,TOVHO",
        "15,HTOVH",
        "10,OHVTV"}},
      {"Numbered Slide", 15, 1, 20,
       {"400,E",
        "200,SL",
        "100,BPLO",
        "80,CAV8",
        "70,DFG7",
        "60,DAO6",
        "50,EGNU5",
        "40,FZBD4",
        "30,OFLCT3",
        "25,APSO25",
        "20,EVOTZ2",
        "20,TERADN",
        "20,HXFZHR",
        "20,TZVECL",
        "15,OHPNT5"}},
      {"ETDRS LogMAR Progression", 17, 3, 20,
       {"400,VHCNO,ODHKR,SZRDN",
        "316,SVHCZ,ZKCSN,HCDRO",
        "252,OZDVK,CRHDV,RKVSN",
        "200,NCKZO,DSRKN,HVZDS",
        "160,RHSDK,CKZOH,NCVKD",
        "125,DOVHR,ONRKD,CZSHN",
        "100,CZRHS,KZVDC,ONVSR",
        "80,ONHRC,VSHZO,KDNRO",
        "63,DKSNV,HDKCR,ZKCSV",
        "50,ZSOKN,CSRHN,DVOHC",
        "40,CKDNR,SVZDK,OHVCK",
        "32,SRZKD,NCVOZ,HZCKO",
        "25,HZOVC,RHSDV,NCKHD",
        "20,NVDOK,SNROH,ZHCSR",
        "16,VHCNO,ODHKR,SZRDN",
        "12.5,SVHCZ,ZKCSN,HCDRO",
        "10,OZDVK,CRHDV,RKVSN"}},
      {"Snellen Standard 'E' Chart", 11, 1, 20,
       {"200,E",
        "100,FP",
        "70,TOZ",
        "50,LPED",
        "40,PECFD",
        "30,EDFCZP",
        "25,FELOPZD",
        "20,DEFPOTEC",
        "15,LEFODPCT",
        "12.5,FDPLTCEO",
        "10,PEZOLCFTD"}},
      {"ETDRS Standard", 13, 3, 20,
       kSloanRows},
      {"Numbers", 13, 2, 20,
       {"400,34926,34967",
        "200,87295,76283",
        "100,94628,72634",
        "80,57862,42387",
        "70,45826,84937",
        "60,87294,62873",
        "50,72659,54289",
        "40,42738,38267",
        "30,96523,72354",
        "25,28596,98465",
        "20,52498,43892",
        "15,54682,24689",
        "10,34862,47863"}},
      {"Pictures", 13, 6, 20,
       {"400,ejbcph,hejpbc,pbcjeh,bjhepc,ebphcj,jhcbep",
        "200,hejpbc,pbcjeh,bjhepc,ebphcj,chbjep,jcbeph",
        "100,pbcjeh,bjhepc,ebphcj,chejbp,jcbeph,hejbcp",
        "80,bjhepc,ebphcj,chbjep,jcbeph,hejbcp,pcejbh",
        "70,ebphcj,bhcjep,jcbeph,hejbcp,pcejbh,cpbhej",
        "60,bhcjep,jcbeph,hejbcp,pcejbh,cpbhej,hejpbc",
        "50,jcbeph,hejbcp,pcejbh,cpbhej,hejpbc,bhecpj",
        "40,hejbcp,pcejbh,cpbhej,ehjpbc,bhecpj,jbcpeh",
        "30,pcejbh,cpbhej,hejpbc,bhecpj,jbcpeh,ejbcph",
        "25,cpbhej,hejpbc,bhecpj,jbcpeh,ejbcph,pbcjeh",
        "20,hejpbc,bhecpj,jbcpeh,ejbcph,pbcjeh,cejhpb",
        "15,bhecpj,jbcpeh,ejbcph,pbcjeh,cejhpb,hbjecp",
        "10,jbcpeh,ejbcph,pbcjeh,cejhpb,hbjecp,bhcjep"}},
      {"Sloan 5 sets", 13, 5, 20,
       {"400,RHSDK,CKZOH,NCVKD,FGHKL,SVHZC",
        "200,DOVHR,ONRKD,CZSHN,NOPRS,ONCVH",
        "100,CZRHS,KZVDC,ONVSR,TUVXZ,RODVN",
        "80,ONHRP,VSHZO,KDNRO,NSTRF,CVOZH",
        "70,DKSNV,HDKCR,ZKCSV,RCLCT,DKZRS",
        "60,ZSOKN,CSRHN,DVOHC,HCVTR,RNDKC",
        "50,CKDNR,SVZDK,OHVKC,OCFRA,NKOSZ",
        "40,SRZKD,NCVOZ,HZCKO,POKLN,VNSKD",
        "30,HZOVC,RHSDV,NCKHD,FRENS,PRHNO",
        "25,NVDOR,SNROH,ZHCSR,TUVOP,SHRZC",
        "20,VHCNO,ODHKR,SZRDN,PKERZ,RHVOD",
        "15,SVHCZ,ZKCSN,HCDRO,TRDFE,KDSHR",
        "10,OZDVK,CRHDV,RKVSN,EFPTO,OSKCN"}},
      {"Just for Fun!", 13, 5, 20,
       {"400,RHSDK,CKZOH,NCVKD,FGHKL,SVHZC",
        "200,DOVHR,ONRKD,CZSHN,NOPRS,ONCVH",
        "100,CZRHS,KZVDC,ONVSR,TUVXZ,RODVN",
        "80,ONHRP,VSHZO,KDNRO,NSTRF,CVOZH",
        "70,DKSNV,HDKCR,ZKCSV,RCLCT,DKZRS",
        "60,ZSOKN,CSRHN,DVOHC,HCVTR,RNDKC",
        "50,CKDNR,SVZDK,OHVKC,OCFRA,NKOSZ",
        "40,HAPPY,WILL,HAPPY,MERRY,VNSKD",
        "30,BIRTHDAY,YOU,VALENTINES,CHRISTMAS!,PEACE",
        "25,NVDOR,MARRY,DAY,HAPPY,LOVE",
        "20,VHCNO,ME,SZRDN,NEWYEAR!,LIVESTRONG",
        "15,SVHCZ,ZKCSN,HCDRO,TRDFE,KDSHR",
        "10,OZDVK,CRHDV,RKVSN,EFPTO,OSKCN"}},
  };
  return kFiles[f];
}

}  // namespace

void FillBuiltInLetterSet(LetterSets& letters, int f) {
  if (f < 0 || f > kLetterSetFiles) return;
  const BuiltInFile& file = BuiltIn(f);
  letters.LetterSetName[f] = file.name;
  letters.NumSizes[f] = file.sizes;
  letters.NumLetterSets[f] = file.sets;
  letters.SnellenNumerator[f] = file.numerator;
  letters.MaxColumns[f] = 0;
  // Lines and sizes left from a file that failed half-way must not outlive the rebuild;
  // column 0, the custom size, belongs to the presets.
  for (auto& set : letters.LetterLines[f]) set.fill("");
  for (int j = 1; j <= kMaxSizes; ++j) letters.LetterSize[f][j] = 0;
  int j = file.sizes;
  for (std::string_view row : file.rows) {
    FieldReader reader{row};
    double denominator = 0;
    ReadNumberField(reader, denominator);
    letters.LetterSize[f][j] = RealOf(denominator);
    for (int s = 1; s <= file.sets; ++s) {
      std::string line;
      ReadStringField(reader, line);
      letters.LetterLines[f][s][j] = line;
      if (j == 1) letters.LetterLines[f][s][0] = line;
      letters.MaxColumns[f] = std::max(letters.MaxColumns[f], static_cast<int>(line.size()));
    }
    --j;
  }
}

}  // namespace lenvari
