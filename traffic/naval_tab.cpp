#include "traffic/naval.h"

#include <cstddef>

namespace kestrel {

const char rus_units[16][8] = {"RJD83", "RMX72", "RCF43", "RKLM", "UGOY", "RLO66", "RJP38", "RMDX", "RHO51", "RIT42",
                               "RAA77", "RBY36", "UCBN", "RFH24", "RMGB", "RKZF"};
const unsigned char rus_units_20_rows[14] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
const unsigned char rus_units_23_rows[10] = {0, 2, 3, 4, 8, 9, 11, 12, 14, 15};

// The NATO fleet broadcasts' addressees, by navy; constant expressions, so that
// the combined list below is put together by the compiler.

// Royal Navy ships on the NATO broadcasts.
constexpr char rn_vsl_2[24][5] = {
    "GBVK", "GCPX", "GDLM", "GFQZ", "GHWT", "GJRN", "GKBE", "GLXS", "GMDU", "GNZC",
    "GPHA", "GQTJ", "GRFY", "GSKW", "GTNB", "GUMQ", "GVDX", "GWJL", "GXPE", "GYCR",
    "MBQH", "MCSZ", "MDVF", "MEKT"};

// United States Navy ships on the NATO broadcasts.
constexpr char us_navy_2[25][5] = {
    "NQKF", "NBTW", "NMRA", "NHDX", "NGZP", "NUYL", "NCEK", "NRJB", "NWPS", "NDAV",
    "NLXQ", "NTGH", "NFOM", "NJWR", "NVKE", "NZCU", "NSBD", "NKHY", "NEUT", "NXMG",
    "NPLA", "NYRC", "NAFJ", "NOZW", "NIDS"};

// Canadian ships on the NATO broadcasts.
constexpr char canadian_navy_2[25][5] = {
    "CGKX", "CGZA", "CGRW", "CGDB", "CGTN", "CGPH", "CGJL", "CGWQ", "CGFE", "CGMU",
    "CGYV", "CGBS", "CGLD", "CGHZ", "CGUK", "CZJN", "CZQR", "CZBW", "CZHT", "CZLE",
    "CYFG", "CYNP", "CYWA", "CYDK", "CGVM"};

// Danish ships on the NATO broadcasts.
constexpr char danish_navy_2[10][5] = {
    "OUFR", "OUBK", "OVJA", "OVMT", "OWDX", "OWPC", "OXHN", "OZGS", "OZRL", "OUWD"};

// Netherlands ships on the NATO broadcasts.
constexpr char dutch_navy_2[14][5] = {
    "PAKR", "PAWB", "PBDE", "PBQX", "PCHG", "PCSN", "PDJY", "PEFM", "PEUC", "PFBT",
    "PGZH", "PHLA", "PHRV", "PIGE"};

// Greek ships on the NATO broadcasts.
constexpr char greek_navy_2[12][5] = {
    "SVDK", "SVTQ", "SWBH", "SWRP", "SXFE", "SXMN", "SXUJ", "SYCW", "SYLG", "SZDT",
    "SZKB", "SZWR"};

// Portuguese ships on the NATO broadcasts.
constexpr char por_navy_2[10][5] = {
    "CTBR", "CTHW", "CTKE", "CTPZ", "CTVD", "CSAN", "CSGQ", "CSLF", "CRDM", "CRWT"};

// Turkish ships on the NATO broadcasts.
constexpr char trk_navy2[12][5] = {
    "TBAG", "TBKR", "TBQW", "TBZE", "TCDH", "TCLN", "TCPV", "TCXS", "TAHM", "TAKZ",
    "TARD", "TCFB"};

namespace {

// Ships heard only on the combined broadcast, by navy.
constexpr char rn_more[6][5] = {
    "GAZW", "GCEN", "GRUD", "GSYB", "MFHL", "MGPD"};
constexpr char us_more[7][5] = {
    "NBQE", "NRCX", "NHWA", "NTPK", "NGMD", "NUFR", "NMJZ"};
constexpr char trk_more[4][5] = {
    "TBMC", "TCJU", "TAWP", "TBSL"};
constexpr char por_more[4][5] = {
    "CTMA", "CSRB", "CRHK", "CUFJ"};
constexpr char danish_more[4][5] = {
    "OVSE", "OWKB", "OXQF", "OZNA"};
constexpr char dutch_more[4][5] = {
    "PAEN", "PBLS", "PCZW", "PHKM"};
constexpr char greek_more[4][5] = {
    "SVNG", "SWHE", "SXQC", "SZPM"};
constexpr char canadian_more[1][5] = {
    "CZPA"};

// The combined broadcast: the ships above and the extra ones, British,
// American, Turkish, Portuguese, Danish, Dutch, Greek and Canadian in turn.
struct NatoRows {
    char rows[NATO_VSL_ROWS][5];
};
template <std::size_t N>
constexpr void append(NatoRows &out, int &at, const char (&calls)[N][5]) {
    for (std::size_t i = 0; i < N; ++i, ++at)
        for (int k = 0; k < 5; ++k) out.rows[at][k] = calls[i][k];
}
constexpr NatoRows combine() {
    NatoRows out{};
    int at = 0;
    append(out, at, rn_vsl_2);
    append(out, at, rn_more);
    append(out, at, us_navy_2);
    append(out, at, us_more);
    append(out, at, trk_navy2);
    append(out, at, trk_more);
    append(out, at, por_navy_2);
    append(out, at, por_more);
    append(out, at, danish_navy_2);
    append(out, at, danish_more);
    append(out, at, dutch_navy_2);
    append(out, at, dutch_more);
    append(out, at, greek_navy_2);
    append(out, at, greek_more);
    append(out, at, canadian_navy_2);
    append(out, at, canadian_more);
    if (at != NATO_VSL_ROWS) throw "the combined broadcast list has the wrong length";
    return out;
}
constexpr NatoRows nato_rows = combine();

}  // namespace

const char (&nato_vsl)[NATO_VSL_ROWS][5] = nato_rows.rows;

// United States Navy ships calling their shore stations.
const char us_navy[37][5] = {
    "NQTD", "NBAW", "NKRE", "NHZL", "NUMC", "NDGX", "NWSB", "NFJP", "NRYK", "NEHT",
    "NMXQ", "NZCF", "NAVG", "NTKW", "NJDR", "NPEM", "NGQU", "NXLH", "NCWS", "NYBJ",
    "NSFZ", "NLPT", "NVRA", "NKGC", "NIXW", "NHMB", "NQDY", "NOEK", "NBUS", "NWJX",
    "NDLQ", "NRPF", "NFCT", "NAZM", "NUHR", "NEWG", "NTSJ"};

// United States Navy ships of the older procedure.
const char us_navy_old[37][5] = {
    "NEBX", "NIDQ", "NOMC", "NUKF", "NAGL", "NEZP", "NIRT", "NODW", "NUSY", "NACH",
    "NEJM", "NITB", "NOLX", "NUPQ", "NAWD", "NEFK", "NIMZ", "NOGV", "NUBR", "NAYS",
    "NEQC", "NISJ", "NOTH", "NUXL", "NAKE", "NEHW", "NIPF", "NOZB", "NUDG", "NAMV",
    "NECY", "NILR", "NOBT", "NUWK", "NARJ", "NEVD", "NIGS"};

// Canadian warships calling Halifax and Esquimalt.
const char canadian_navy[24][5] = {
    "CGQZ", "CYKJ", "CZEV", "CGAJ", "CYRD", "CZMW", "CGSB", "CYEB", "CZAD", "CGXF",
    "CYQT", "CZGM", "CGCR", "CYHR", "CZSY", "CGEL", "CYXL", "CZCK", "CGNX", "CYMZ",
    "CZTX", "CYAH", "CYSU", "CYCQ"};

// French Navy ships.
const char french_navy[49][5] = {
    "FAVK", "FAQD", "FBJR", "FBXE", "FCNW", "FCGT", "FDPA", "FDZM", "FEHB", "FEUS",
    "FGKQ", "FGRY", "FHDL", "FHWC", "FJMX", "FJBN", "FKTE", "FKAZ", "FLCV", "FLQH",
    "FMRS", "FMGW", "FNEK", "FNYD", "FOBP", "FOTJ", "FPLG", "FPXU", "FQDA", "FQNE",
    "FRKM", "FRSB", "FSHY", "FSWQ", "FTCN", "FTJD", "FUGR", "FUPL", "FUZA", "FVBW",
    "FVKH", "FWDE", "FWTU", "FXAQ", "FXMC", "FYHG", "FYRJ", "FZEP", "FZVL"};

// Spanish Navy ships.
const char spanish_navy1[25][6] = {
    "EAGK", "EBHQ", "EBNZ", "EBUW", "ECDF", "ECRX", "EDJA", "EDVM", "EEBT", "EEKP",
    "EFLC", "EFWS", "EGAY", "EGMH", "EHDN", "EHQR", "EAQV", "EBCJ", "ECKB", "EDGE",
    "EEXW", "EFPU", "EGTD", "EHKL", "EAMS"};

// Taiwanese Navy ships and shore stations.
const char tai_navy[51][5] = {
    "BVAK", "BXJW", "BMDQ", "BVTY", "BNHW", "BXQZ", "BOCM", "BVGN", "BPRV", "BXAD",
    "BMSW", "BVLE", "BNQJ", "BXTK", "BVCQ", "BOKH", "BXEJ", "BPGS", "BVWF", "BMKT",
    "BXRF", "BNBC", "BVPX", "BXLC", "BOXD", "BVDW", "BMGZ", "BXUH", "BPJN", "BVMR",
    "BNVA", "BXSE", "BVJT", "BOFY", "BXBR", "BMPE", "BVZG", "BXNP", "BPWT", "BVQB",
    "BNLR", "BXGT", "BVKZ", "BMAF", "BXYB", "BVSD", "BXHM", "BVXL", "BXKS", "BVFH",
    "BXWN"};

// Danish Navy ships.
const char danish_navy[6][5] = {
    "OUJX", "OVBQ", "OWTH", "OXCD", "OZEK", "OUMN"};

// Federal German Navy ships.
const char ger_navy[12][4] = {
    "DRF", "DBQ", "DCK", "DRW", "DFX", "DQH", "DRZ", "DGL", "DMP", "DRJ",
    "DLZ", "DKW"};

// Polish Navy ships.
const char polish_navy_vsl[41][5] = {
    "SPBZ", "SQHR", "SRMB", "SNAL", "SPKE", "SQXH", "SRCT", "SPWY", "SQBM", "SNHK",
    "SRPG", "SPDH", "SQLZ", "SPGQ", "SRVG", "SNCQ", "SQAF", "SPRU", "SRKY", "SQUK",
    "SPMT", "SNFE", "SRAJ", "SQDV", "SPZD", "SQPW", "SRXN", "SPJW", "SNMW", "SQGJ",
    "SREQ", "SPTL", "SQNE", "SRHF", "SPNX", "SQSC", "SNJB", "SRTW", "SPVA", "SQKB",
    "SPFK"};

// Soviet naval units worked by RIW.
const char rus_navy_riw[25][6] = {
    "RKXM", "UMFB", "RBH46", "RJTQ", "UGWE", "RDN72", "RHAZ", "UFYC", "RPS38", "RLVK",
    "UJED", "RCM91", "RWQG", "UKHN", "RZB27", "RFUL", "UPJW", "RNX53", "RGCT", "UQLA",
    "RYE84", "RSKD", "UHTP", "RVF15", "RXMJ"};

// Soviet naval units worked by RIT.
const char rus_navy_rit[25][6] = {
    "RTGW", "UNDB", "RAP63", "RQHE", "UWKF", "RJL28", "RMZC", "UTRX", "RBE57", "RKWA",
    "UDSQ", "RHY39", "RPFN", "UYJM", "RCU74", "RLGD", "UZAK", "ROK42", "RWDX", "UCEH",
    "RGN86", "RZTS", "USFV", "RDQ13", "RNMB"};

// Soviet naval units worked by RMP.
const char rus_navy_rmp[24][6] = {
    "RMUV", "UFKQ", "RHW24", "RBXS", "UJCN", "RQA95", "RTDF", "UGHZ", "REJ61", "RSLY",
    "UWBD", "RXK37", "RFPA", "UKMG", "RAV48", "RJNH", "ULQE", "RCW82", "RGYB", "UMTJ",
    "RZH56", "RKEC", "UPVS", "RNG19"};

// Soviet naval units worked by RCV.
const char rus_navy_rcv[26][6] = {
    "RWKN", "UBFE", "RJG67", "RDZX", "UHLM", "RFS45", "RTBQ", "UQNC", "RKY73", "RMHA",
    "USDW", "RLF29", "RBJZ", "UXEV", "RPN58", "RHGK", "UVTY", "RQM34", "RAEW", "UJPD",
    "RXC96", "RSUH", "UCQB", "RZK61", "RGVL", "UMAX"};

// Royal Navy ships calling shore stations.
const char rn_vsl[38][5] = {
    "GBDT", "GCXW", "GDRA", "GEHV", "GFKM", "GGLQ", "GHYD", "GJAP", "GKWF", "GLCZ",
    "GMTH", "GNEJ", "GPRQ", "GQBX", "GRLK", "GSDN", "GTAW", "GUHC", "GVPM", "GWRB",
    "GXLD", "GYFT", "GZKE", "MAPS", "MBDW", "MCJR", "MDQA", "MELY", "MFTC", "MGWK",
    "MHBN", "MJUE", "MKAZ", "MLRG", "MNXH", "MPCV", "MQDF", "MRHS"};

// American naval shore stations, and those of the older procedure.
const char usn_stn[8][4] = {"NAM", "NSS", "NPM", "NPG", "NPN", "NAU", "NBA", "NRV"};
const char usn_stn2[8][4] = {"NAA", "NAW", "NAR", "NPL", "NPO", "NPC", "NPU", "NDD"};

// One to nine in Russian, Latin letters.
const char russian_figs[9][8] = {"ODIN", "DVA", "TRI", "CHETYRE", "PYAT", "SHEST", "SEM", "VOSEM", "DEVYAT"};

// The Haifa fleet weather message (IAC FLEET analysis): the heading, the
// pressure centres, fronts and isobars, then the heading's fields again.
const char *const fm46_4xz_text =
    "  nw qtc 1 nr {NR} == nr {NR} qm z {A} 03{DH1} {DH2} {B} wnc == 10001 33881 0{DAY}12 = "
    "99900 81225 85031 32815 99900 81012 83428 34620 = 99911 66038 83226 85330 86034 = "
    "99922 85624 84418 83212 = 99933 81530 33214 84206 = 99944 10120 30416 50712 = 19191 = "
    "nr {NR} qm z {A} 03{DH1} {DH2} {B} wnc 0{DAY}12 = + ";

}  // namespace kestrel
