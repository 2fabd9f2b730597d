// The vessel register: merchant ships of many flags by call sign, sorted so
// that each national series is one block, with their names row by row; the
// ship-type lists; the ships with a standing telegram; the accounting
// authorities of some flags.
#include "traffic/vessels.h"

namespace kestrel {

// clang-format off
const char vsl[VSL_ROWS][6] = {
    "3EAM",
    "3EIA",
    "3EIK",
    "3EJK",
    "3EJL",
    "3ELF",
    "3ELQ",
    "3EMH",
    "3EOA",
    "3EQX",
    "3ERD",
    "3EWN",
    "3EYY",
    "3FCW",
    "3FGN",
    "3FOG",
    "3FQB",
    "3FVO",
    "3FWW",
    "3FYG",
    "3FYX",
    "3FZG",
    "3VEE",
    "3VEM",
    "3VZH",
    "4JGS",
    "4KCU",
    "4KEE",
    "4KGN",
    "4KMS",
    "4KTR",
    "4SJT",
    "4SVH",
    "4SYQ",
    "4XAX",
    "4XCA",
    "4XDS",
    "4XFC",
    "4XHI",
    "4XHX",
    "4XNN",
    "4XNO",
    "5AAV",
    "5ADG",
    "5AOH",
    "5AQI",
    "5ARI",
    "5AYN",
    "5AZH",
    "5BGB",
    "5BGY",
    "5BJC",
    "5BKM",
    "5BMO",
    "5BXW",
    "5BYY",
    "5NGN",
    "5NOU",
    "5NSL",
    "5ZBO",
    "5ZPE",
    "6KAE",
    "6KZA",
    "6NDN",
    "6NEZ",
    "6NMJ",
    "6NRB",
    "6NVM",
    "6NYR",
    "7TDB",
    "7TMY",
    "7TVE",
    "7UIY",
    "7VDN",
    "7YAB",
    "7YJD",
    "7YTE",
    "9GBE",
    "9GEZ",
    "9GXA",
    "9HCA",
    "9HEB",
    "9HFL",
    "9HIB",
    "9HIV",
    "9HJK",
    "9HJL",
    "9HJM",
    "9HTV",
    "9HVM",
    "9HWP",
    "9HYA",
    "9KAJ",
    "9KBR",
    "9KDK",
    "9KHZ",
    "9KIH",
    "9KYQ",
    "9MFH",
    "9MGU",
    "9MHB",
    "9MOI",
    "9MUB",
    "9MVI",
    "9MWM",
    "9VBX",
    "9VIF",
    "9VJT",
    "9VMZ",
    "9VNS",
    "9VQE",
    "9VQW",
    "9VVT",
    "9VYP",
    "9WEQ",
    "9WEZ",
    "9WPI",
    "9WUL",
    "A4IV",
    "A4NO",
    "A6FR",
    "A6PU",
    "A7BN",
    "A7YM",
    "A8BX4",
    "A8OG2",
    "A8XT2",
    "A9JF",
    "A9UJ",
    "APFI",
    "AQXB",
    "AQXH",
    "AQZC",
    "ARIL",
    "ASGS",
    "ATAG",
    "ATAT",
    "ATHH",
    "ATVZ",
    "AUCV",
    "AUIY",
    "AUMX",
    "AURX",
    "AVCG",
    "AVPO",
    "AWJF",
    "AWQN",
    "AWSA",
    "AWZX",
    "BAFE",
    "BAGT",
    "BBDJ",
    "BBYR",
    "BCNQ",
    "BDQF",
    "BEHS",
    "BEKP",
    "BHPL",
    "BIWL",
    "BJEX",
    "BJVH",
    "BJVP",
    "BLAE",
    "BLGK",
    "BMHW",
    "BMNV",
    "BNCZ",
    "BNGK",
    "BNHX",
    "BOOX",
    "BPEJ",
    "BPYT",
    "BQHW",
    "BRAM",
    "BSIB",
    "BSIY",
    "BSVB",
    "BSXW",
    "BTAZ",
    "BTBS",
    "BTIG",
    "BTYJ",
    "BUEL",
    "BURU",
    "BVAY",
    "BVCU",
    "BVOT",
    "BVPS",
    "BVYF",
    "C2HK",
    "C2PG",
    "C4CV",
    "C4KS",
    "C4TL",
    "C4XX",
    "C4XY",
    "C6KF",
    "C6MO",
    "C6RS",
    "C6TO",
    "C6WE",
    "C6WT",
    "C6WY",
    "C6ZV",
    "CBEI",
    "CBIS",
    "CCAH",
    "CCHA",
    "CDBR",
    "CDND",
    "CDSH",
    "CDUB",
    "CDZO",
    "CLAC",
    "CLCL",
    "CLCS",
    "CLKI",
    "CLLB",
    "CLQG",
    "CLSA",
    "CLSW",
    "CLTA",
    "CLUP",
    "CMBZ",
    "CMFB",
    "CMFE",
    "CMFF",
    "CMFT",
    "CMGS",
    "CMLF",
    "CMXX",
    "CNHC",
    "CNHD",
    "CNTL",
    "CNWC",
    "CNXR",
    "COAQ",
    "COLA",
    "CQFL",
    "CQHM",
    "CRAT",
    "CRIN",
    "CRJC",
    "CRQR",
    "CRSL",
    "CSIU",
    "CSXT",
    "CTJE",
    "CTJN",
    "CTUK",
    "CTWD",
    "CUBI",
    "CUNH",
    "CUOY",
    "CUOZ",
    "CURQ",
    "CUXD",
    "CUXN",
    "CXDX",
    "CXEN",
    "CXIK",
    "CXVV",
    "D5CT3",
    "D5NY6",
    "DAFR",
    "DANY",
    "DATZ",
    "DAVL",
    "DAXV",
    "DBFM",
    "DBFN",
    "DBKJ",
    "DBWC",
    "DBYV",
    "DCCW",
    "DCDU",
    "DCGN",
    "DCJE",
    "DCOP",
    "DCQJ",
    "DCWS",
    "DDEG",
    "DDLE",
    "DDNH",
    "DDRJ",
    "DDTW",
    "DEEI",
    "DEEJ",
    "DELN",
    "DEOW",
    "DESL",
    "DFHX",
    "DFLK",
    "DFLR",
    "DFTW",
    "DGBE",
    "DGPX",
    "DGUB",
    "DHIQ",
    "DHIV",
    "DHPP",
    "DIBG",
    "DJBM",
    "DJCD",
    "DJIM",
    "DJKV",
    "DKAH",
    "DKBN",
    "DKDM",
    "DKGU",
    "DKSY",
    "DKXZ",
    "DLCK",
    "DLEA",
    "DLJJ",
    "DLKA",
    "DLNR",
    "DMCP",
    "DMCW",
    "DMFD",
    "DMQF",
    "DMRM",
    "DMXT",
    "DNBA",
    "DNIE",
    "DNIP",
    "DNME",
    "DNNV",
    "DNQP",
    "DNXH",
    "DOCI",
    "DOHD",
    "DOLD",
    "DOVJ",
    "DOWC",
    "DPBC",
    "DPDN",
    "DPFG",
    "DPOC",
    "DPPD",
    "DPQA",
    "DPTZ",
    "DQAV",
    "DQDB",
    "DQIE",
    "DQJI",
    "DQWO",
    "DQWS",
    "DQYQ",
    "DRLJ",
    "DUPD",
    "DUQO",
    "DURG",
    "DVGN",
    "DVSF",
    "DVVV",
    "DVXW",
    "DVYP",
    "DWAN",
    "DWES",
    "DWMU",
    "DWRI",
    "DWYQ",
    "DWZK",
    "DXNX",
    "DYHR",
    "DYJV",
    "DYND",
    "DYZJ",
    "DZMP",
    "DZTJ",
    "DZTW",
    "EAAD",
    "EAVE",
    "EBLR",
    "EBYB",
    "ECAE",
    "ECFB",
    "ECOE",
    "ECXL",
    "EDCB",
    "EDCI",
    "EDNM",
    "EDXD",
    "EEIE",
    "EEJX",
    "EEOB",
    "EEZT",
    "EFZO",
    "EGDS",
    "EGZI",
    "EHFS",
    "EHGF",
    "EHJR",
    "EHRM",
    "EHVQ",
    "EHXO",
    "EIEL",
    "EIEX",
    "EILV",
    "EINB",
    "EITP",
    "EIUE",
    "ELAA4",
    "ELAQ8",
    "ELAZ3",
    "ELBB9",
    "ELBC9",
    "ELCA4",
    "ELCP6",
    "ELCQ3",
    "ELDF9",
    "ELDT8",
    "ELFL2",
    "ELFL4",
    "ELGH9",
    "ELGW6",
    "ELHH5",
    "ELHS6",
    "ELIF2",
    "ELIX4",
    "ELJN5",
    "ELJS5",
    "ELLK7",
    "ELLR8",
    "ELMF8",
    "ELMR7",
    "ELMU2",
    "ELMW7",
    "ELMX7",
    "ELND3",
    "ELNL8",
    "ELOM5",
    "ELPE5",
    "ELPN3",
    "ELPP2",
    "ELQQ8",
    "ELRO2",
    "ELSE7",
    "ELSX3",
    "ELUN2",
    "ELUT3",
    "ELVC6",
    "ELVN7",
    "ELVV3",
    "ELVZ8",
    "ELWE9",
    "ELXV8",
    "ELYD2",
    "ELYP2",
    "ELZD9",
    "ELZT3",
    "ELZW3",
    "EPRK",
    "EQPL",
    "EQQI",
    "EQRN",
    "EQUX",
    "FNAN",
    "FNNA",
    "FNVA",
    "FNVQ",
    "FNYW",
    "FNZY",
    "FOEG",
    "FOFR",
    "FOPM",
    "FOUF",
    "FPFB",
    "FPGW",
    "FPJC",
    "FPTE",
    "FPYD",
    "FQBS",
    "FQHG",
    "FQIT",
    "FQPD",
    "FQVB",
    "FRCP",
    "FRPD",
    "FRVK",
    "FRWT",
    "FSBM",
    "FSSF",
    "FSSR",
    "FSTN",
    "FTCM",
    "FTGD",
    "FTHC",
    "FTOB",
    "FVDF",
    "FVFT",
    "FVMP",
    "FVMZ",
    "FVNI",
    "FVPS",
    "FVVP",
    "FVYR",
    "FWDM",
    "FWHP",
    "FWMA",
    "FWQI",
    "FXLY",
    "FXMF",
    "FXOQ",
    "FXWB",
    "FXYP",
    "FYAW",
    "FYPH",
    "FYPV",
    "FYRC",
    "FZEH",
    "FZGX",
    "FZHC",
    "FZLR",
    "FZOS",
    "FZRW",
    "FZSP",
    "FZTY",
    "FZYY",
    "GBCO",
    "GBDE",
    "GBFD",
    "GBHO",
    "GBJA",
    "GBRY",
    "GBSX",
    "GCCN",
    "GCDZ",
    "GCPS",
    "GCWP",
    "GDFD",
    "GDJY",
    "GDLP",
    "GDPP",
    "GDQV",
    "GDRQ",
    "GDUQ",
    "GDZH",
    "GEBW",
    "GEDB",
    "GEEC",
    "GEHW",
    "GELG",
    "GEUA",
    "GEUK",
    "GEYV",
    "GFBF",
    "GFDO",
    "GFIW",
    "GFJG",
    "GFLR",
    "GFLT",
    "GFWF",
    "GFXS",
    "GGBF",
    "GGJK",
    "GGOL",
    "GHKQ",
    "GHSS",
    "GHTN",
    "GICC",
    "GIGA",
    "GIJJ",
    "GILL",
    "GIOP",
    "GIPB",
    "GITX",
    "GJAI",
    "GJCP",
    "GJJH",
    "GJRT",
    "GLAH",
    "GLGM",
    "GLLD",
    "GLLO",
    "GLOK",
    "GLPD",
    "GLRZ",
    "GLZJ",
    "GMAQ",
    "GMED",
    "GMIQ",
    "GMKF",
    "GMRG",
    "GMRZ",
    "GMSC",
    "GMTF",
    "GMUM",
    "GMVW",
    "GNCI",
    "GNII",
    "GNKC",
    "GNNX",
    "GNOS",
    "GNQZ",
    "GNWU",
    "GOAD",
    "GOCS",
    "GOFL",
    "GOIO",
    "GOME",
    "GOMR",
    "GONJ",
    "GOZA",
    "GPDH",
    "GPDN",
    "GPGD",
    "GPJH",
    "GPJZ",
    "GPLQ",
    "GPMF",
    "GPOW",
    "GPYJ",
    "GQEG",
    "GQJP",
    "GQKG",
    "GQLL",
    "GQMC",
    "GQMD",
    "GQOW",
    "GQSQ",
    "GQTL",
    "GQWN",
    "GQZD",
    "GRCZ",
    "GRHE",
    "GRMR",
    "GRWS",
    "GSBO",
    "GSDI",
    "GSNX",
    "GSPM",
    "GSVL",
    "GSVM",
    "GSVU",
    "GTER",
    "GTEZ",
    "GTFT",
    "GTIY",
    "GTJG",
    "GTJR",
    "GTKN",
    "GTOS",
    "GTQW",
    "GTSG",
    "GTUO",
    "GTUT",
    "GUBI",
    "GUJY",
    "GUPT",
    "GUSG",
    "GUYX",
    "GUZJ",
    "GUZW",
    "GVBB",
    "GVDZ",
    "GVGJ",
    "GVOS",
    "GVOX",
    "GVYA",
    "GWBW",
    "GWDI",
    "GWDT",
    "GWMS",
    "GWOG",
    "GWPD",
    "GWQV",
    "GXCM",
    "GXDU",
    "GXGD",
    "GXHB",
    "GXHM",
    "GXHN",
    "GXJY",
    "GXMG",
    "GXPI",
    "GXQS",
    "GXRQ",
    "GXTQ",
    "GXXL",
    "GYAL",
    "GYCG",
    "GYCK",
    "GYEV",
    "GYIK",
    "GYMB",
    "GYSP",
    "GZDC",
    "GZOS",
    "GZOX",
    "GZQV",
    "GZXJ",
    "GZZM",
    "GZZX",
    "HAJA",
    "HAPZ",
    "HAXK",
    "HBAF",
    "HBDR",
    "HBQP",
    "HBUG",
    "HCNG",
    "HCSZ",
    "HDND",
    "HDNL",
    "HDSP",
    "HDZV",
    "HKNH",
    "HKTO",
    "HKWM",
    "HKXI",
    "HKYB",
    "HLFF",
    "HLLP",
    "HLPY",
    "HLSU",
    "HMCA",
    "HMFT",
    "HMHJ",
    "HMHS",
    "HMLJ",
    "HMZW",
    "HNJD",
    "HNWB",
    "HNYG",
    "HOFD",
    "HOFY",
    "HOGA",
    "HOJP",
    "HOKM",
    "HOMY",
    "HONK",
    "HOOE",
    "HOOF",
    "HOQX",
    "HORF",
    "HORJ",
    "HOVL",
    "HOZI",
    "HPAT",
    "HPBJ",
    "HPCZ",
    "HPED",
    "HPEO",
    "HPIS",
    "HPKK",
    "HPOT",
    "HPRU",
    "HPSA",
    "HPSJ",
    "HPXI",
    "HPXL",
    "HPXR",
    "HQEM",
    "HQRX",
    "HQXX",
    "HRBS",
    "HRCH",
    "HRJJ",
    "HSAV",
    "HSEH",
    "HSJE",
    "HSJI",
    "HSQQ",
    "HSVC",
    "HSZO",
    "HZBW",
    "HZCV",
    "HZDB",
    "HZKQ",
    "HZTK",
    "IBOU",
    "IBUR",
    "IEOK",
    "IFNN",
    "IFSC",
    "IGAF",
    "IGRF",
    "IHYR",
    "IHZP",
    "IJEY",
    "IJFU",
    "IMVO",
    "INLS",
    "INSM",
    "INSX",
    "IPRB",
    "IQVZ",
    "ISTK",
    "ISXD",
    "IUFH",
    "IURM",
    "IVGE",
    "IVKF",
    "IVKO",
    "IWDA",
    "IWII",
    "IWNH",
    "IXHE",
    "IXJP",
    "IXVN",
    "IYDS",
    "IZMN",
    "IZRX",
    "IZTU",
    "IZXI",
    "JACU",
    "JADG",
    "JAHJ",
    "JBCT",
    "JBGR",
    "JBXJ",
    "JBXK",
    "JCAW",
    "JCBL",
    "JCFJ",
    "JCOM",
    "JCRJ",
    "JCTC",
    "JCUM",
    "JCVT",
    "JCXD",
    "JDAY",
    "JDBQ",
    "JDGD",
    "JDHM",
    "JDIQ",
    "JDQD",
    "JDRL",
    "JDTI",
    "JDWQ",
    "JEEJ",
    "JEGP",
    "JEHT",
    "JEKV",
    "JEQF",
    "JESF",
    "JEVI",
    "JFJV",
    "JFLH",
    "JFNC",
    "JFNI",
    "JFPP",
    "JFXU",
    "JGBW",
    "JGQE",
    "JGRL",
    "JHCV",
    "JHGX",
    "JHRH",
    "JHYL",
    "JHYO",
    "JHYS",
    "JICD",
    "JIFX",
    "JIMM",
    "JIOC",
    "JJBV",
    "JJHL",
    "JJIK",
    "JKAY",
    "JKFT",
    "JKJF",
    "JKJW",
    "JKRV",
    "JKTZ",
    "JKVV",
    "JLCB",
    "JLET",
    "JLMN",
    "JMAR",
    "JMLN",
    "JMNV",
    "JMQD",
    "JMRX",
    "JMTK",
    "JNKT",
    "JNUS",
    "JNVR",
    "JODE",
    "JONQ",
    "JOOK",
    "JOQT",
    "JOSK",
    "JOWD",
    "JPKW",
    "JPXJ",
    "JPYA",
    "JQBD",
    "JQHA",
    "JQIV",
    "JQLV",
    "JQNB",
    "JQTV",
    "JREN",
    "JRIE",
    "JSBE",
    "JSHM",
    "JSIK",
    "JSMV",
    "JSMY",
    "JYXS",
    "JYYP",
    "KATO",
    "KAWT",
    "KBBM",
    "KBEP",
    "KBKK",
    "KBLQ",
    "KBQH",
    "KBQZ",
    "KBTV",
    "KBVG",
    "KBYD",
    "KCON",
    "KCOO",
    "KCYO",
    "KCZX",
    "KDAW",
    "KDFC",
    "KDFQ",
    "KDIO",
    "KDNE",
    "KDQQ",
    "KDYD",
    "KDZK",
    "KECC",
    "KEOC",
    "KEPY",
    "KEST",
    "KETN",
    "KFAC",
    "KFBG",
    "KFFZ",
    "KFGY",
    "KFUE",
    "KFWB",
    "KFYA",
    "KGED",
    "KGIU",
    "KGJD",
    "KGNC",
    "KHDG",
    "KHIM",
    "KHKH",
    "KHLD",
    "KHLW",
    "KHRD",
    "KIBS",
    "KIIX",
    "KIUO",
    "KIUY",
    "KIVU",
    "KIWN",
    "KIXM",
    "KIZG",
    "KJHQ",
    "KJNK",
    "KJUG",
    "KJYD",
    "KKFR",
    "KKFW",
    "KKGL",
    "KKIX",
    "KKPG",
    "KKPR",
    "KKUS",
    "KLGA",
    "KLMQ",
    "KLPQ",
    "KLVI",
    "KMEC",
    "KMHK",
    "KMTR",
    "KMUA",
    "KMZH",
    "KNEC",
    "KNHU",
    "KNJZ",
    "KNPS",
    "KOBV",
    "KOXP",
    "KOYT",
    "KPAR",
    "KPZP",
    "KQHJ",
    "KQJG",
    "KQLH",
    "KQOE",
    "KREZ",
    "KRHU",
    "KRTB",
    "KRTC",
    "KSDY",
    "KSGQ",
    "KSKT",
    "KSNT",
    "KSPU",
    "KTBP",
    "KTBV",
    "KTDF",
    "KTJE",
    "KTVV",
    "KTZV",
    "KUSF",
    "KUTH",
    "KVDW",
    "KVFB",
    "KVJT",
    "KWHD",
    "KWUS",
    "KWZE",
    "KXFY",
    "KXKH",
    "KXRN",
    "KYCT",
    "KZEL",
    "KZFI",
    "KZQI",
    "KZQU",
    "KZTF",
    "LAEL4",
    "LATU2",
    "LAWK9",
    "LBLU5",
    "LCBC4",
    "LCEB8",
    "LCET2",
    "LCHU4",
    "LCSF2",
    "LCTM3",
    "LDDP8",
    "LESW6",
    "LETQ9",
    "LEYB9",
    "LFFO6",
    "LFKT8",
    "LFLX5",
    "LFRX4",
    "LFUO9",
    "LFWX3",
    "LGDL5",
    "LGEH6",
    "LGFA9",
    "LGHM4",
    "LGLR6",
    "LGQQ4",
    "LHED5",
    "LHGQ7",
    "LHVO9",
    "LHXI8",
    "LHYJ8",
    "LIBH7",
    "LIGQ8",
    "LIHH9",
    "LIQA9",
    "LIUU4",
    "LIYU3",
    "LJMU2",
    "LJWF3",
    "LJYP9",
    "LKRJ8",
    "LKVB8",
    "LKYK5",
    "LMCZ3",
    "LMFL7",
    "LMLS5",
    "LMXU5",
    "LNCX7",
    "LOFN",
    "LOZB",
    "LPGH",
    "LPSL",
    "LPSW",
    "LQRM",
    "LROS",
    "LRXN",
    "LSER",
    "LSST",
    "LUHO",
    "LUYT",
    "LVWW",
    "LWFH",
    "LWYL",
    "LYEN",
    "LYGE",
    "LYHS",
    "LYKC",
    "LYKO",
    "LZBD",
    "LZBE",
    "LZCP",
    "LZDI",
    "LZDJ",
    "LZGS",
    "LZKV",
    "LZOO",
    "LZPO",
    "LZPQ",
    "LZTN",
    "LZTP",
    "LZTZ",
    "LZUD",
    "LZWE",
    "MDJQ",
    "MIPF",
    "MOCD",
    "MSKM",
    "MYFV",
    "MZZX",
    "OAFR",
    "OANK",
    "OANX",
    "OAYW",
    "ODCT",
    "ODDH",
    "ODEL",
    "ODHA",
    "ODKM",
    "ODQE",
    "ODSH",
    "ODSU",
    "OEHK",
    "OERN",
    "OHOV",
    "OHSX",
    "OJJA",
    "OJJU",
    "OJQF",
    "OJSP",
    "OJUC",
    "OJUK",
    "OJVL",
    "OJYV",
    "OKRI",
    "OKYH",
    "OKYO",
    "OLWF",
    "ONES",
    "OOEK",
    "OOGO",
    "OOQR",
    "OPDI",
    "OPWD",
    "OQNM",
    "ORCW",
    "ORRK",
    "ORSO",
    "OSIE",
    "OTWS",
    "OUMF",
    "OVBJ",
    "OVBY",
    "OVJR",
    "OVQH",
    "OVRP",
    "OVVK",
    "OWBK",
    "OWDL",
    "OWGH",
    "OWKN",
    "OWQZ",
    "OWSR",
    "OWTF",
    "OXCM",
    "OXDZ",
    "OXGS",
    "OXIG",
    "OXMR",
    "OYBQ",
    "OYFM",
    "OYSD",
    "OYVP",
    "OYYQ",
    "OZBH",
    "OZBS",
    "OZEJ",
    "OZUQ",
    "P3BP",
    "P3HF",
    "P3QU",
    "P3ZW",
    "P5HP",
    "P5IZ",
    "P5TU",
    "P5ZV",
    "PASY",
    "PBFO",
    "PBVT",
    "PCJD",
    "PCVM",
    "PCWY",
    "PCXZ",
    "PDHT",
    "PDKD",
    "PDPI",
    "PDQH",
    "PDQQ",
    "PDRT",
    "PEAV",
    "PEEF",
    "PEEV",
    "PEGQ",
    "PEKF",
    "PELV",
    "PEOR",
    "PETF",
    "PEZP",
    "PFBF",
    "PFMK",
    "PFPE",
    "PFQZ",
    "PFTA",
    "PFTI",
    "PFXQ",
    "PGAK",
    "PGFT",
    "PGRS",
    "PGTB",
    "PGTM",
    "PHBV",
    "PHCZ",
    "PHFJ",
    "PHGH",
    "PHVJ",
    "PPAO",
    "PPRW",
    "PQUK",
    "PSJR",
    "PSMG",
    "PSXX",
    "PTCR",
    "PTKL",
    "PTTY",
    "PUFV",
    "PVCE",
    "PVHY",
    "PVXG",
    "PXEN",
    "PXRV",
    "PYAX",
    "PYCK",
    "PYDI",
    "PYTG",
    "PYTV",
    "S2BI",
    "S2DY",
    "S6PG",
    "S6RH",
    "S6XS",
    "SDGH",
    "SECQ",
    "SEGO",
    "SERZ",
    "SFAF",
    "SFPJ",
    "SFYK",
    "SFYR",
    "SHCG",
    "SHFP",
    "SHLP",
    "SIPT",
    "SJLJ",
    "SJTM",
    "SJXQ",
    "SKDZ",
    "SKFK",
    "SKRJ",
    "SKYC",
    "SLAT",
    "SLJR",
    "SLKB",
    "SLLI",
    "SLQS",
    "SLXS",
    "SMBS",
    "SMTL",
    "SPAJ",
    "SPCK",
    "SPDW",
    "SPIX",
    "SPJD",
    "SPLI",
    "SPLK",
    "SPLY",
    "SPNJ",
    "SPOJ",
    "SPPD",
    "SPPX",
    "SPQN",
    "SPRC",
    "SPSW",
    "SPTH",
    "SPTI",
    "SPTP",
    "SPTS",
    "SPTX",
    "SPUN",
    "SPVP",
    "SPVQ",
    "SPWA",
    "SPWH",
    "SPXM",
    "SPYD",
    "SPYK",
    "SPYP",
    "SQCS",
    "SQDJ",
    "SQDL",
    "SQEO",
    "SQEZ",
    "SQII",
    "SQIM",
    "SQLI",
    "SQLT",
    "SQRR",
    "SQUC",
    "SQVD",
    "SQXC",
    "SQXE",
    "SQZH",
    "SRAT",
    "SRBP",
    "SRDX",
    "SREL",
    "SRGA",
    "SRGD",
    "SRHJ",
    "SRII",
    "SRJK",
    "SRKD",
    "SRLE",
    "SRLI",
    "SRLK",
    "SRMX",
    "SRNW",
    "SRNY",
    "SRPD",
    "SRRO",
    "SRSJ",
    "SRSP",
    "SRTA",
    "SRTK",
    "SRTP",
    "SRTT",
    "SRUY",
    "SRWP",
    "SRXH",
    "SRXI",
    "SSAB",
    "SSFK",
    "SSHV",
    "SSMQ",
    "SSRW",
    "SSVT",
    "SUFF",
    "SUUN",
    "SUUU",
    "SVKF",
    "SVLD",
    "SVME",
    "SVRC",
    "SVTE",
    "SVWB",
    "SVXI",
    "SVXQ",
    "SVZS",
    "SWCT",
    "SWDX",
    "SWEC",
    "SWFH",
    "SWGA",
    "SWHG",
    "SWJS",
    "SWLZ",
    "SWMC",
    "SWMW",
    "SWNZ",
    "SWPK",
    "SWTI",
    "SWWZ",
    "SWYI",
    "SXAQ",
    "SXBN",
    "SXBW",
    "SXFG",
    "SXJK",
    "SXLY",
    "SXMG",
    "SXNC",
    "SXNJ",
    "SXPE",
    "SXUS",
    "SXYE",
    "SXYW",
    "SXZV",
    "SYBT",
    "SYCT",
    "SYGE",
    "SYHI",
    "SYKA",
    "SYKO",
    "SYMH",
    "SYMP",
    "SYMR",
    "SYNQ",
    "SYOS",
    "SYQD",
    "SYQE",
    "SYQF",
    "SYTT",
    "SYUR",
    "SYVN",
    "SYWR",
    "SYZN",
    "SZBN",
    "SZCQ",
    "SZGP",
    "SZHH",
    "SZHV",
    "SZIQ",
    "SZIY",
    "SZJM",
    "SZKO",
    "SZLJ",
    "SZLN",
    "SZND",
    "SZNX",
    "SZON",
    "SZPK",
    "SZQO",
    "SZSP",
    "SZVM",
    "SZYC",
    "TCBM",
    "TCCC",
    "TCDT",
    "TCEH",
    "TCEM",
    "TCFD",
    "TCFL",
    "TCHH",
    "TCHM",
    "TCIE",
    "TCIK",
    "TCIP",
    "TCJM",
    "TCKW",
    "TCKZ",
    "TCLA",
    "TCND",
    "TCNX",
    "TCOO",
    "TCOZ",
    "TCPN",
    "TCSA",
    "TCSL",
    "TCTC",
    "TCTF",
    "TCTH",
    "TCUT",
    "TCVE",
    "TCVT",
    "TCVU",
    "TCYA",
    "TCYI",
    "TCZH",
    "TFDD",
    "TFEK",
    "TFFF",
    "TFKC",
    "TFKM",
    "TFSV",
    "TFYE",
    "UAAH",
    "UABN",
    "UAQA",
    "UAQZ",
    "UAVC",
    "UAYQ",
    "UBDY",
    "UBJK",
    "UBNM",
    "UBSU",
    "UBTX",
    "UBVR",
    "UBYE",
    "UCFC",
    "UCFP",
    "UCLR",
    "UCQG",
    "UCRF",
    "UCUY",
    "UCVW",
    "UCVZ",
    "UDCT",
    "UDDD",
    "UDEP",
    "UDGC",
    "UDIJ",
    "UDIM",
    "UDJP",
    "UDOH",
    "UDTG",
    "UDVN",
    "UDWE",
    "UEHW",
    "UEVP",
    "UEWD",
    "UFAG",
    "UFDV",
    "UFHJ",
    "UFHU",
    "UFKM",
    "UFNB",
    "UFQH",
    "UFVK",
    "UFXB",
    "UFXT",
    "UGKF",
    "UGKM",
    "UGNC",
    "UGRW",
    "UGVY",
    "UGZA",
    "UHAK",
    "UHCB",
    "UHDF",
    "UHID",
    "UHLP",
    "UHPV",
    "UIJZ",
    "UIQI",
    "UISI",
    "UIUA",
    "UIUX",
    "UJDM",
    "UJDP",
    "UJGW",
    "UJKY",
    "UKCZ",
    "UKDO",
    "UKKX",
    "UKNK",
    "UKNP",
    "UKUP",
    "UKYT",
    "UKZZ",
    "ULDF",
    "ULGN",
    "ULLP",
    "ULSA",
    "ULSL",
    "UMEL",
    "UMFG",
    "UMMB",
    "UMND",
    "UNLJ",
    "UNMC",
    "UNOH",
    "UNOJ",
    "UNUF",
    "UNWQ",
    "UNYF",
    "UOES",
    "UOFH",
    "UOFL",
    "UOFY",
    "UOHN",
    "UOJF",
    "UOMG",
    "UONV",
    "UPBE",
    "UPFK",
    "UPGA",
    "UPIF",
    "UPKS",
    "UPLA",
    "UPTH",
    "UPTR",
    "UPUK",
    "UPWE",
    "UPWQ",
    "UQIV",
    "UQJV",
    "UQTS",
    "UQXO",
    "URFM",
    "URIO",
    "URJH",
    "URNL",
    "URRQ",
    "URVS",
    "USFY",
    "USNK",
    "USSI",
    "USUA",
    "USYH",
    "UTAI",
    "UTAQ",
    "UTCP",
    "UTDL",
    "UTFL",
    "UTJT",
    "UTLU",
    "UTLW",
    "UTPH",
    "UTPK",
    "UTQN",
    "UUGY",
    "UUIN",
    "UUNQ",
    "UUSF",
    "UVDX",
    "UVEE",
    "UVFB",
    "UVMP",
    "UVOK",
    "UVOQ",
    "UVPI",
    "UVUI",
    "UVYA",
    "UVZR",
    "UVZV",
    "UWCW",
    "UWDW",
    "UWIP",
    "UWLR",
    "UWRT",
    "UWWZ",
    "UWYX",
    "UXEW",
    "UXGD",
    "UXIE",
    "UXIO",
    "UXJB",
    "UXJT",
    "UXRY",
    "UXVQ",
    "UXXB",
    "UXXR",
    "UXYN",
    "UXZF",
    "UYGK",
    "UYGL",
    "UYIW",
    "UYKF",
    "UYKW",
    "UYOJ",
    "UYQB",
    "UYSL",
    "UYTU",
    "UYUB",
    "UZKH",
    "UZOK",
    "UZPD",
    "UZUL",
    "UZWT",
    "UZXJ",
    "UZYG",
    "VCKR",
    "VDMW",
    "VDOG",
    "VEZP",
    "VFCW",
    "VFMI",
    "VGWI",
    "VJCP",
    "VJRS",
    "VJUB",
    "VJUT",
    "VJWY",
    "VJXV",
    "VKKV",
    "VLGL",
    "VLNC",
    "VMHN",
    "VMSI",
    "VNIL",
    "VRCG8",
    "VRKI4",
    "VRLN2",
    "VRMP4",
    "VROR9",
    "VRQM6",
    "VRSB3",
    "VRTI9",
    "VRVU3",
    "VRZB9",
    "VVBH",
    "VVCY",
    "VVEA",
    "VVGJ",
    "VVGO",
    "VVHI",
    "VVHR",
    "VVLQ",
    "VVPR",
    "VVTT",
    "VVXH",
    "VVXN",
    "VVXY",
    "VVZY",
    "VWBH",
    "VWCU",
    "VWFB",
    "VWHT",
    "VWKR",
    "VWLF",
    "VWLG",
    "VWMC",
    "VWNR",
    "VWPR",
    "VWQI",
    "VWRK",
    "VWTW",
    "VWUZ",
    "VWZV",
    "VWZZ",
    "VYTW",
    "VYUP",
    "VYYI",
    "WAZQ",
    "WCRN",
    "WCUO",
    "WDCC",
    "WDID",
    "WFGK",
    "WFSF",
    "WHDR",
    "WICZ",
    "WIDB",
    "WIGZ",
    "WIUF",
    "WIUK",
    "WJBE",
    "WJHL",
    "WJSX",
    "WKIL",
    "WKRX",
    "WLWA",
    "WLZS",
    "WMDJ",
    "WMYK",
    "WNGB",
    "WNHY",
    "WNLI",
    "WOFX",
    "WOUU",
    "WPLH",
    "WPZE",
    "WQKD",
    "WQNL",
    "WRQA",
    "WRVG",
    "WSTO",
    "WTBM",
    "WTHT",
    "WTTV",
    "WUVJ",
    "WVRC",
    "WVSE",
    "WVVZ",
    "WXGK",
    "WYMR",
    "WZVJ",
    "XCJJ",
    "XCNB",
    "XCNY",
    "XDRR",
    "XGKB",
    "XHDS",
    "XVAE",
    "XVFA",
    "XVIK",
    "XVNG",
    "XVUH",
    "XVYI",
    "XYLV",
    "XYNX",
    "XZKT",
    "XZYY",
    "Y2IG",
    "Y3NT",
    "Y4TL",
    "Y4WN",
    "Y5AX",
    "Y5TT",
    "Y7FE",
    "Y7XW",
    "Y8QG",
    "Y9KC",
    "YBEC",
    "YBEU",
    "YCOL",
    "YDFV",
    "YDPR",
    "YEJD",
    "YFCS",
    "YFUS",
    "YHYH",
    "YKKN",
    "YKUI",
    "YQAK",
    "YQAV",
    "YQGO",
    "YQGR",
    "YQHV",
    "YQMT",
    "YQTU",
    "YREN",
    "YRJA",
    "YROW",
    "YRRZ",
    "YRYS",
    "YTDR",
    "YTGW",
    "YTKN",
    "YTPR",
    "YTUL",
    "YTZU",
    "YUCT",
    "YUHI",
    "YUIC",
    "YUJB",
    "YUJD",
    "YUJT",
    "YUOR",
    "YUTK",
    "YUTP",
    "YVJB",
    "YVUU",
    "YWAI",
    "YWOI",
    "YXAL",
    "YYBQ",
    "YYJT",
    "YYQG",
    "ZAHH",
    "ZAOL",
    "ZAUD",
    "ZKBP",
    "ZKCM",
    "ZKSV",
    "ZKUK",
    "ZLEF",
    "ZMHX",
    "ZMSY",
    "ZSBC",
    "ZSBV",
    "ZSHU",
    "ZSID",
    "ZTAX",
    "ZUGU",
    "ZUNU",
    "ZUPG",
};

const char qra[VSL_ROWS][25] = {
    "EASTERN MERIT",             // 3EAM
    "OCEAN NYMPH",               // 3EIA
    "AGIOS DIMITRIOS",           // 3EIK
    "VERAGUAS",                  // 3EJK
    "ACHILLEUS",                 // 3EJL
    "HAPPY VENTURE",             // 3ELF
    "CARIBBEAN ROSE",            // 3ELQ
    "MOUNT OLYMPUS",             // 3EMH
    "TIMBER QUEEN",              // 3EOA
    "AGIOS FANOURIOS",           // 3EQX
    "SILVER CRESCENT",           // 3ERD
    "MERCURY BAY",               // 3EWN
    "SUNNY JADE",                // 3EYY
    "TAYGETOS",                  // 3FCW
    "GLOBAL HOPE",               // 3FGN
    "THEOFANO",                  // 3FOG
    "ROYAL EMBLEM",              // 3FQB
    "SEA DUCHESS",               // 3FVO
    "PESCADOR",                  // 3FWW
    "SEA TITAN",                 // 3FYG
    "BALBOA",                    // 3FYX
    "PARNASSOS",                 // 3FZG
    "ELYSSA",                    // 3VEE
    "KAIROUAN",                  // 3VEM
    "TABARKA",                   // 3VZH
    "GYANDZHA",                  // 4JGS
    "SHEMAKHA",                  // 4KCU
    "SUMGAIT",                   // 4KEE
    "NEFTCHALA",                 // 4KGN
    "LENKORAN",                  // 4KMS
    "KHACHMAS",                  // 4KTR
    "RUHUNU",                    // 4SJT
    "ANURADHAPURA",              // 4SVH
    "LANKA SIRI",                // 4SYQ
    "MASADA",                    // 4XAX
    "SHALOM",                    // 4XCA
    "ASHDOD",                    // 4XDS
    "NAHARIYA",                  // 4XFC
    "CARMEL",                    // 4XHI
    "ARAD",                      // 4XHX
    "SHIMSHON",                  // 4XNN
    "GALIL",                     // 4XNO
    "SEBHA",                     // 5AAV
    "RAS LANUF",                 // 5ADG
    "ZLITEN",                    // 5AOH
    "DERNA",                     // 5AQI
    "GARYOUNIS",                 // 5ARI
    "GHARYAN",                   // 5AYN
    "BREGA",                     // 5AZH
    "KITION",                    // 5BGB
    "ZENON",                     // 5BGY
    "FAMAGUSTA",                 // 5BJC
    "APOSTOLOS ANDREAS",         // 5BKM
    "KYRENIA",                   // 5BMO
    "MESAORIA",                  // 5BXW
    "TROODOS",                   // 5BYY
    "ABEOKUTA",                  // 5NGN
    "RIVER BENUE",               // 5NOU
    "ENUGU",                     // 5NSL
    "LAMU",                      // 5ZBO
    "HARAMBEE",                  // 5ZPE
    "SORAK",                     // 6KAE
    "O YANG HO",                 // 6KZA
    "PAN KOREA",                 // 6NDN
    "POHANG GLORY",              // 6NEZ
    "KOREAN PIONEER",            // 6NMJ
    "HAN RA",                    // 6NRB
    "SAM YANG HO",               // 6NVM
    "HANJIN BUSAN",              // 6NYR
    "IN SALAH",                  // 7TDB
    "TIPAZA",                    // 7TMY
    "SKIKDA",                    // 7TVE
    "ANNABA",                    // 7UIY
    "TASSILI",                   // 7VDN
    "TLEMCEN",                   // 7YAB
    "HOGGAR",                    // 7YJD
    "HASSI RMEL",                // 7YTE
    "VOLTA RIVER",               // 9GBE
    "SEKONDI",                   // 9GEZ
    "KUMASI",                    // 9GXA
    "MDINA",                     // 9HCA
    "SANTA MARIJA",              // 9HEB
    "COMINO",                    // 9HFL
    "MARSAXLOKK",                // 9HIB
    "GHAWDEX",                   // 9HIV
    "VALLETTA",                  // 9HJK
    "SLIEMA",                    // 9HJL
    "XLENDI",                    // 9HJM
    "BIRGU",                     // 9HTV
    "MELITA",                    // 9HVM
    "MGARR",                     // 9HWP
    "FILFLA",                    // 9HYA
    "WARBAH",                    // 9KAJ
    "AL AHMADI",                 // 9KBR
    "BUBIYAN",                   // 9KDK
    "AL SHUWAIKH",               // 9KHZ
    "KAZIMAH",                   // 9KIH
    "FAILAKA",                   // 9KYQ
    "SELANGOR",                  // 9MFH
    "MELAKA",                    // 9MGU
    "SUNGAI PAHANG",             // 9MHB
    "TERENGGANU",                // 9MOI
    "TENAGA",                    // 9MUB
    "BUNGA KENANGA",             // 9MVI
    "PULAU PINANG",              // 9MWM
    "KOTA SINGA",                // 9VBX
    "JURONG",                    // 9VIF
    "SENTOSA",                   // 9VJT
    "TEMASEK",                   // 9VMZ
    "NEPTUNE JADE",              // 9VNS
    "MERLION",                   // 9VQE
    "KOTA MAS",                  // 9VQW
    "BUKIT TIMAH",               // 9VVT
    "SERANGOON",                 // 9VYP
    "BUNGA ORKID",               // 9WEQ
    "KINABALU",                  // 9WEZ
    "LANGKAWI",                  // 9WPI
    "BUNGA MELATI",              // 9WUL
    "DHOFAR",                    // A4IV
    "SOHAR",                     // A4NO
    "JEBEL ALI",                 // A6FR
    "RUWAIS",                    // A6PU
    "UMM SAID",                  // A7BN
    "DUKHAN",                    // A7YM
    "ORIENT VENTURE",            // A8BX4
    "HERAKLITOS",                // A8OG2
    "SANKO IRIS",                // A8XT2
    "MUHARRAQ",                  // A9JF
    "SITRA",                     // A9UJ
    "SAFINA-E-HUJJAJ",           // APFI
    "RAKAPOSHI",                 // AQXB
    "KAGHAN",                    // AQXH
    "MOENJODARO",                // AQZC
    "SHALIMAR",                  // ARIL
    "CHITRAL",                   // ASGS
    "HALDIA",                    // ATAG
    "NANCOWRY",                  // ATAT
    "RAJENDRA",                  // ATHH
    "AVANTIKA",                  // ATVZ
    "JAG LAXMI",                 // AUCV
    "SINDHU",                    // AUIY
    "ANNAPURNA",                 // AUMX
    "SAGAR KANYA",               // AURX
    "MOHAMMEDI",                 // AVCG
    "TIRUPATI",                  // AVPO
    "AKBAR",                     // AWJF
    "HARSHAVARDHANA",            // AWQN
    "CHIDAMBARAM",               // AWSA
    "KOYALI",                    // AWZX
    "PAN ZHI HUA",               // BAFE
    "REN QIU",                   // BAGT
    "FENG QING",                 // BBDJ
    "QIN HUANG DAO",             // BBYR
    "HUANG SHAN",                // BCNQ
    "TAI HU",                    // BDQF
    "HU JIU",                    // BEHS
    "HE PING",                   // BEKP
    "BEN XI",                    // BHPL
    "MIN JIANG",                 // BIWL
    "LI MING",                   // BJEX
    "AN SHAN",                   // BJVH
    "SHI YAN",                   // BJVP
    "GUANG HUA",                 // BLAE
    "SHAO SHAN",                 // BLGK
    "YAN AN",                    // BMHW
    "BO HAI",                    // BMNV
    "LU SHAN",                   // BNCZ
    "YU KAN",                    // BNGK
    "NAN CHANG",                 // BNHX
    "CHANG CHENG",               // BOOX
    "DONG FENG",                 // BPEJ
    "TIAN JIN",                  // BPYT
    "YING KOU",                  // BQHW
    "BAO SHAN",                  // BRAM
    "JING GANG SHAN",            // BSIB
    "MIN ZHU",                   // BSIY
    "HONG QI",                   // BSVB
    "ZUN YI",                    // BSXW
    "KUN MING",                  // BTAZ
    "SHENG LI",                  // BTBS
    "DONG HAI",                  // BTIG
    "XIANG YANG HONG",           // BTYJ
    "DA QING",                   // BUEL
    "YOU YI",                    // BURU
    "YU SHAN",                   // BVAY
    "EVER SHINE",                // BVCU
    "MING PEARL",                // BVOT
    "TUNG HAI",                  // BVPS
    "TA CHUNG",                  // BVYF
    "MENENG",                    // C2HK
    "AIWO",                      // C2PG
    "AFRODITI",                  // C4CV
    "KYKKOS",                    // C4KS
    "KINYRAS",                   // C4TL
    "EVAGORAS",                  // C4XX
    "PENTADAKTYLOS",             // C4XY
    "LUCAYA",                    // C6KF
    "ABACO",                     // C6MO
    "INAGUA",                    // C6RS
    "BIMINI",                    // C6TO
    "EXUMA",                     // C6WE
    "HARDANGER",                 // C6WT
    "NASSAU PRINCESS",           // C6WY
    "ELEUTHERA",                 // C6ZV
    "HUASCO",                    // CBEI
    "CHOAPA",                    // CBIS
    "PUNTA ARENAS",              // CCAH
    "ACONCAGUA",                 // CCHA
    "MAIPO",                     // CDBR
    "QUINTERO",                  // CDND
    "GUAYACAN",                  // CDSH
    "COPIAPO",                   // CDUB
    "LIMARI",                    // CDZO
    "CIENAGA DE ZAPATA",         // CLAC
    "CAMAGUEY",                  // CLCL
    "BAHIA DE NIPE",             // CLCS
    "JOSE MARTI",                // CLKI
    "PLAYA GIRON",               // CLLB
    "JIGUANI",                   // CLQG
    "BAYAMO",                    // CLSA
    "LAGO ZAZA",                 // CLSW
    "PINAR DEL RIO",             // CLTA
    "PARGO",                     // CLUP
    "BONITO",                    // CMBZ
    "CAMILO CIENFUEGOS",         // CMFB
    "CHERNA",                    // CMFE
    "SIERRA MAESTRA",            // CMFF
    "MANZANILLO",                // CMFT
    "ANTONIO MACEO",             // CMGS
    "VINALES",                   // CMLF
    "SANCTI SPIRITUS",           // CMXX
    "KHOURIBGA",                 // CNHC
    "TOUBKAL",                   // CNHD
    "OUED SEBOU",                // CNTL
    "MARRAKECH",                 // CNWC
    "AGADIR",                    // CNXR
    "NICARO",                    // COAQ
    "ISLA DE LA JUVENTUD",       // COLA
    "NIASSA",                    // CQFL
    "GIL EANNES",                // CQHM
    "JOAO CORTE-REAL",           // CRAT
    "ZAMBEZIA",                  // CRIN
    "SINES",                     // CRJC
    "ANGRA DO HEROISMO",         // CRQR
    "LOBITO",                    // CRSL
    "UIGE",                      // CSIU
    "SAO MAMEDE",                // CSXT
    "FUNCHAL",                   // CTJE
    "ERATO",                     // CTJN
    "MALANGE",                   // CTUK
    "BENGUELA",                  // CTWD
    "SAO TOME",                  // CUBI
    "LUTADOR",                   // CUNH
    "NEIVA",                     // CUOY
    "VERA CRUZ",                 // CUOZ
    "QUELIMANE",                 // CURQ
    "ILHA DA MADEIRA",           // CUXD
    "SANTA MAFALDA",             // CUXN
    "PRESIDENTE RIVERA",         // CXDX
    "LAVALLEJA",                 // CXEN
    "ARTIGAS",                   // CXIK
    "MALDONADO",                 // CXVV
    "MORNING GLORY",             // D5CT3
    "BLUE SAPPHIRE",             // D5NY6
    "STUTTGART",                 // DAFR
    "OSTFRIESLAND",              // DANY
    "MUENCHEN",                  // DATZ
    "WESSELING",                 // DAVL
    "POLAR ECUADOR",             // DAXV
    "HAMMONIA",                  // DBFM
    "SAARLAND",                  // DBFN
    "LUENEBURG",                 // DBKJ
    "HARBURG",                   // DBWC
    "RHOEN",                     // DBYV
    "UELZEN",                    // DCCW
    "REGENSTEIN",                // DCDU
    "SAGITTA",                   // DCGN
    "ALBRECHT DUERER",           // DCJE
    "MUENSTERLAND",              // DCOP
    "FRANKENWALD",               // DCQJ
    "ISAR",                      // DCWS
    "WALTHER HERWIG",            // DDEG
    "HEIDELBERG",                // DDLE
    "STADERSAND",                // DDNH
    "HATTINGEN",                 // DDRJ
    "EHRENFELS",                 // DDTW
    "SEEFALKE",                  // DEEI
    "PRIWALL",                   // DEEJ
    "SAXONIA",                   // DELN
    "ESSEN EXPRESS",             // DEOW
    "BREMEN",                    // DESL
    "BLANKENESE",                // DFHX
    "NORDERNEY",                 // DFLK
    "HANSEATIC",                 // DFLR
    "LEVERKUSEN",                // DFTW
    "MARIENBURG",                // DGBE
    "RUHRORT",                   // DGPX
    "MOORBURG",                  // DGUB
    "TRAVEMUENDE",               // DHIQ
    "DORTMUND",                  // DHIV
    "DUISBURG",                  // DHPP
    "GOSLAR",                    // DIBG
    "SOPHIE RICKMERS",           // DJBM
    "SALZGITTER",                // DJCD
    "OTTO HAHN",                 // DJIM
    "EIFEL",                     // DJKV
    "PERSEUS",                   // DKAH
    "EUROPA",                    // DKBN
    "WILHELM RAABE",             // DKDM
    "GAUSS",                     // DKGU
    "ROLANDSECK",                // DKSY
    "WILHELMSHAVEN",             // DKXZ
    "ALSTERTOR",                 // DLCK
    "WOLFSBURG",                 // DLEA
    "WAPPEN VON HAMBURG",        // DLJJ
    "PEINE",                     // DLKA
    "NORDMARK",                  // DLNR
    "HEIDE",                     // DMCP
    "POLARSTERN",                // DMCW
    "LICHTENFELS",               // DMFD
    "GELSENKIRCHEN",             // DMQF
    "TAUNUS",                    // DMRM
    "DEUTSCHLAND",               // DMXT
    "BERLIN",                    // DNBA
    "TAURUS",                    // DNIE
    "NORDENHAM",                 // DNIP
    "THEODOR STORM",             // DNME
    "DORADE",                    // DNNV
    "FLENSBURG",                 // DNQP
    "CUXHAVEN",                  // DNXH
    "ROTHENBURG",                // DOCI
    "ERLANGEN",                  // DOHD
    "VALDIVIA",                  // DOLD
    "CARIBE",                    // DOVJ
    "HELGOLAND",                 // DOWC
    "PADERBORN",                 // DPBC
    "NECKAR",                    // DPDN
    "COLUMBUS VICTORIA",         // DPFG
    "HEILBRONN",                 // DPOC
    "GEESTLAND",                 // DPPD
    "JOHANN GUTENBERG",          // DPQA
    "HAMBURG",                   // DPTZ
    "SPIEKEROOG",                // DQAV
    "CAP SAN DIEGO",             // DQDB
    "LINGEN",                    // DQIE
    "METEOR",                    // DQJI
    "KAISERSWERTH",              // DQWO
    "OBERHAUSEN",                // DQWS
    "SACHSEN",                   // DQYQ
    "ESSO DEUTSCHLAND",          // DRLJ
    "PANAY",                     // DUPD
    "SAMPAGUITA",                // DUQO
    "KATIPUNAN",                 // DURG
    "PRINCESS OF NEGROS",        // DVGN
    "LEYTE",                     // DVSF
    "MAHARLIKA",                 // DVVV
    "LAPU LAPU",                 // DVXW
    "LEGASPI",                   // DVYP
    "PASIG",                     // DWAN
    "NONOC",                     // DWES
    "BAYANIHAN",                 // DWMU
    "MAYON",                     // DWRI
    "MINDANAO",                  // DWYQ
    "DONA AURORA",               // DWZK
    "ZAMBOANGA",                 // DXNX
    "AGUSAN",                    // DYHR
    "BATAAN",                    // DYJV
    "PALAWAN",                   // DYND
    "TOLEDO",                    // DYZJ
    "ILOILO",                    // DZMP
    "DAVAO",                     // DZTJ
    "DAGUPAN",                   // DZTW
    "SIERRA DE GREDOS",          // EAAD
    "CABO SAN ROQUE",            // EAVE
    "CAMPONAVIA",                // EBLR
    "AVILES",                    // EBYB
    "VIRGEN DE AFRICA",          // ECAE
    "VILLA DE AGAETE",           // ECFB
    "ARNELA",                    // ECOE
    "MONTE ANAYE",               // ECXL
    "CAMPOMANES",                // EDCB
    "CIUDAD DE SEVILLA",         // EDCI
    "PUNTA ANAGA",               // EDNM
    "ZARAUZ",                    // EDXD
    "ARAGON",                    // EEIE
    "MONTSERRAT",                // EEJX
    "TORRE DEL ORO",             // EEOB
    "CANARIAS",                  // EEZT
    "ARANZAZU",                  // EFZO
    "CASTILLO DE BUTRON",        // EGDS
    "VIZCAYA",                   // EGZI
    "ISLA DE TENERIFE",          // EHFS
    "GUADALQUIVIR",              // EHGF
    "CABO SILLEIRO",             // EHJR
    "CALA LLONGA",               // EHRM
    "MAR DE VIGO",               // EHVQ
    "RIO BIDASOA",               // EHXO
    "IRISH SPRUCE",              // EIEL
    "LEINSTER",                  // EIEX
    "SAINT KILIAN",              // EILV
    "INNISFALLEN",               // EINB
    "ARKLOW VALE",               // EITP
    "IRISH ROWAN",               // EIUE
    "KAPETAN GIORGIS",           // ELAA4
    "TRITON",                    // ELAQ8
    "AEGEAN SAILOR",             // ELAZ3
    "KALLIOPI",                  // ELBB9
    "ARKADIA",                   // ELBC9
    "THALASSINI DOXA",           // ELCA4
    "WABUSH LAKE",               // ELCP6
    "AGHIA MARINA",              // ELCQ3
    "GEORGIOS F.",               // ELDF9
    "AGIA MARKELLA",             // ELDT8
    "GAS ATLAS",                 // ELFL2
    "GOLDEN ALLIANCE",           // ELFL4
    "NAFSIKA",                   // ELGH9
    "CHILEAN REEFER",            // ELGW6
    "FERNBROOK",                 // ELHH5
    "STOLT CONDOR",              // ELHS6
    "PYTHEAS",                   // ELIF2
    "LEFKADA",                   // ELIX4
    "PHILIPPOS",                 // ELJN5
    "ZAKYNTHOS",                 // ELJS5
    "ATLANTIC HELMSMAN",         // ELLK7
    "SEQUOIA",                   // ELLR8
    "TROPICAL BREEZE",           // ELMF8
    "PATMOS",                    // ELMR7
    "NAVARINO",                  // ELMU2
    "UNIVERSE LEADER",           // ELMW7
    "PELOPONNESOS",              // ELMX7
    "LEFKAS",                    // ELND3
    "MOBIL VALIANT",             // ELNL8
    "ICE PEARL",                 // ELOM5
    "ELENI D.",                  // ELPE5
    "ANDROS MARINER",            // ELPN3
    "CAPE HORN",                 // ELPP2
    "SEA SAGA",                  // ELQQ8
    "ASIA FORTUNE",              // ELRO2
    "MELTEMI",                   // ELSE7
    "CERRO BOLIVAR",             // ELSX3
    "WORLD AMBASSADOR",          // ELUN2
    "PANAGIA FANEROMENI",        // ELUT3
    "EVANGELOS L.",              // ELVC6
    "NORDIC CHALLENGER",         // ELVN7
    "PLATON",                    // ELVV3
    "ATHENIAN SPIRIT",           // ELVZ8
    "ANNOULA",                   // ELWE9
    "SKOPELOS",                  // ELXV8
    "KAPETAN MICHALIS",          // ELYD2
    "THASSOS",                   // ELYP2
    "CRETAN STAR",               // ELZD9
    "PANAGIA SOUMELA",           // ELZT3
    "OLYMPIC SPLENDOUR",         // ELZW3
    "DENA",                      // EPRK
    "ARYA NAZ",                  // EQPL
    "IRAN HEMMAT",               // EQQI
    "ISFAHAN",                   // EQRN
    "KHARG",                     // EQUX
    "FOS-SUR-MER",               // FNAN
    "TIMGAD",                    // FNNA
    "VILLE DE MAJUNGA",          // FNVA
    "FLANDRE",                   // FNVQ
    "LORRAINE",                  // FNYW
    "DJURDJURA",                 // FNZY
    "ARTOIS",                    // FOEG
    "DJENNE",                    // FOFR
    "BOURBONNAIS",               // FOPM
    "RABELAIS",                  // FOUF
    "OYAPOCK",                   // FPFB
    "TAHITIEN",                  // FPGW
    "SAHEL",                     // FPJC
    "CAMARGUE",                  // FPTE
    "NAPOLEON",                  // FPYD
    "DUNKERQUE",                 // FQBS
    "ROCHAMBEAU",                // FQHG
    "LA PEROUSE",                // FQIT
    "CAPRICORNE",                // FQPD
    "PORT-GENTIL",               // FQVB
    "SINNAMARY",                 // FRCP
    "MONT VENTOUX",              // FRPD
    "PACIFIQUE",                 // FRVK
    "PENMARCH",                  // FRWT
    "LITIOPA",                   // FSBM
    "CALEDONIEN",                // FSSF
    "MARION DUFRESNE",           // FSSR
    "MAGDALA",                   // FSTN
    "SOLOGNE",                   // FTCM
    "PASTEUR",                   // FTGD
    "GUADELOUPE",                // FTHC
    "MORVAN",                    // FTOB
    "PERCHE",                    // FVDF
    "AMIRAL DE GRASSE",          // FVFT
    "VENDOME",                   // FVMP
    "JEAN CHARCOT",              // FVMZ
    "SAINTONGE",                 // FVNI
    "NOTRE-DAME DES FLOTS",      // FVPS
    "BASSE-TERRE",               // FVVP
    "BRETAGNE",                  // FVYR
    "AVEYRON",                   // FWDM
    "RONSARD",                   // FWHP
    "VILLE DE STRASBOURG",       // FWMA
    "ROCHEBONNE",                // FWQI
    "FOUTA",                     // FXLY
    "MONTMIRAIL",                // FXMF
    "CAP LOPEZ",                 // FXOQ
    "MELANESIEN",                // FXWB
    "ILE DE SEIN",               // FXYP
    "ABEILLE FLANDRE",           // FYAW
    "BRAZZA",                    // FYPH
    "FORT DAUPHIN",              // FYPV
    "MASCAREIGNES",              // FYRC
    "AMPERE",                    // FZEH
    "ANTILLES",                  // FZGX
    "CAP FREHEL",                // FZHC
    "KOUTOUBIA",                 // FZLR
    "MARONI",                    // FZOS
    "MAURIENNE",                 // FZRW
    "BATILLUS",                  // FZSP
    "JULES VERNE",               // FZTY
    "LIMOUSIN",                  // FZYY
    "PORT NICHOLSON",            // GBCO
    "DONAX",                     // GBDE
    "BORDER FALCON",             // GBFD
    "MELAMPUS",                  // GBHO
    "NORTHUMBERLAND",            // GBJA
    "ORONSAY",                   // GBRY
    "DISCOVERY",                 // GBSX
    "LADY OF MANN",              // GCCN
    "OTHELLO",                   // GCDZ
    "PATUCA",                    // GCPS
    "HARPALION",                 // GCWP
    "SAINT KEARAN",              // GDFD
    "ROSS TIGER",                // GDJY
    "SYLVAFIELD",                // GDLP
    "ARCTIC CORSAIR",            // GDPP
    "TEIRESIAS",                 // GDQV
    "CHINDWARA",                 // GDRQ
    "WYRE MARINER",              // GDUQ
    "CLAN GRAHAM",               // GDZH
    "HIGHLANDMAN",               // GEBW
    "FORT AVALON",               // GEDB
    "HORSA",                     // GEEC
    "WELLPARK",                  // GEHW
    "WELLINGTON STAR",           // GELG
    "ESKWOOD",                   // GEUA
    "SILVERDALE",                // GEUK
    "CABLE ENTERPRISE",          // GEYV
    "GLENFALLOCH",               // GFBF
    "ROWANBANK",                 // GFDO
    "SEAFRIDGE SKUA",            // GFIW
    "LIMATULA",                  // GFJG
    "OTAKI",                     // GFLR
    "LOMBARDY",                  // GFLT
    "STANCLIFFE",                // GFWF
    "BARDIC FERRY",              // GFXS
    "FULANI",                    // GGBF
    "RAEBURN",                   // GGJK
    "MARISA",                    // GGOL
    "HIMALAYA",                  // GHKQ
    "CLANSMAN",                  // GHSS
    "EUROPIC FERRY",             // GHTN
    "CLEVELAND",                 // GICC
    "CONSETT",                   // GIGA
    "ACHATINA",                  // GIJJ
    "LANCASHIRE",                // GILL
    "BAXTERGATE",                // GIOP
    "ELMINA PALM",               // GIPB
    "NATURALIST",                // GITX
    "LATIRUS",                   // GJAI
    "SCOTTISH PRINCE",           // GJCP
    "BRITISH ENSIGN",            // GJJH
    "PINZON",                    // GJRT
    "METHANE PRINCESS",          // GLAH
    "NOTTS COUNTY",              // GLGM
    "JEDMOOR",                   // GLLD
    "JACINTH",                   // GLLO
    "IMMINGHAM",                 // GLOK
    "DERWENTHALL",               // GLPD
    "MERCURY",                   // GLRZ
    "TEMPLE INN",                // GLZJ
    "ARAN FISHER",               // GMAQ
    "CUMBERLAND",                // GMED
    "CITY OF DUNDEE",            // GMIQ
    "NORTHELLA",                 // GMKF
    "LOCH SEAFORTH",             // GMRG
    "BENARTY",                   // GMRZ
    "CUSTODIAN",                 // GMSC
    "PASS OF BALMAHA",           // GMTF
    "ST. CELESTIN",              // GMUM
    "HECLA",                     // GMVW
    "HILARY",                    // GNCI
    "LLANWERN",                  // GNII
    "SUGAR CRYSTAL",             // GNKC
    "CALCHAS",                   // GNNX
    "BRITISH FULMAR",            // GNOS
    "WESTMORLAND",               // GNQZ
    "CORBRIDGE",                 // GNWU
    "MAHSUD",                    // GOAD
    "BENALDER",                  // GOCS
    "STRATHCONON",               // GOFL
    "ROTHESAY CASTLE",           // GOIO
    "ARMANISTAN",                // GOME
    "CAPE HOWE",                 // GOMR
    "CAIRNGORM",                 // GONJ
    "PEMBROKE COAST",            // GOZA
    "STEVONIA",                  // GPDH
    "KOHISTAN",                  // GPDN
    "ILLYRIC",                   // GPGD
    "ATHELMONARCH",              // GPJH
    "MORETON BAY",               // GPJZ
    "SCOTTISH EAGLE",            // GPLQ
    "GOTHLAND",                  // GPMF
    "TREGENNA",                  // GPOW
    "GLENOGLE",                  // GPYJ
    "MANCHESTER PROGRESS",       // GQEG
    "BEN STROME",                // GQJP
    "ANDANIA",                   // GQKG
    "WEATHER REPORTER",          // GQLL
    "IKEJA PALM",                // GQMC
    "HUNTERSTON",                // GQMD
    "LIMOPSIS",                  // GQOW
    "CAVINA",                    // GQSQ
    "DALEWOOD",                  // GQTL
    "KING MALCOLM",              // GQWN
    "HARMATTAN",                 // GQZD
    "LINDENBANK",                // GRCZ
    "NEVASA",                    // GRHE
    "JUNELLA",                   // GRMR
    "RADNORSHIRE",               // GRWS
    "KINGSTON PERIDOT",          // GSBO
    "WHITBY ABBEY",              // GSDI
    "BENVORLICH",                // GSNX
    "BEAVERPINE",                // GSPM
    "NORLAND",                   // GSVL
    "SHACKLETON",                // GSVM
    "DUNKWA",                    // GSVU
    "MANCHESTER CHALLENGE",      // GTER
    "BONIFACE",                  // GTEZ
    "HOPECREST",                 // GTFT
    "TREVOSE",                   // GTIY
    "CAVALLO",                   // GTJG
    "ENGLISHMAN",                // GTJR
    "ATLANTIC CAUSEWAY",         // GTKN
    "MANIPUR",                   // GTOS
    "BRIDGEPOOL",                // GTQW
    "ROYSTON GRANGE",            // GTSG
    "PENDENNIS CASTLE",          // GTUO
    "LOCH GARTH",                // GTUT
    "HOLMSIDE",                  // GUBI
    "CARINTHIA",                 // GUJY
    "SERENITY",                  // GUPT
    "AUREOL",                    // GUSG
    "ST. OLA",                   // GUYX
    "ARDGARROCH",                // GUZJ
    "RUAHINE",                   // GUZW
    "TASMANIA STAR",             // GVBB
    "FURNESS BRIDGE",            // GVDZ
    "CHERWELL",                  // GVGJ
    "ACCRA",                     // GVOS
    "BALLYGARVEY",               // GVOX
    "EMPIRE TESSA",              // GVYA
    "ROMNEY",                    // GWBW
    "MONARCH",                   // GWDI
    "ROSS ILLUSTRIOUS",          // GWDT
    "SUFFOLK",                   // GWMS
    "MATINA",                    // GWOG
    "BRANSFIELD",                // GWPD
    "VANCOUVER CITY",            // GWQV
    "WAYFARER",                  // GXCM
    "CLAN RANALD",               // GXDU
    "THIRLBY",                   // GXGD
    "SANDSEND",                  // GXHB
    "OPALIA",                    // GXHM
    "DOLABELLA",                 // GXHN
    "EBURNA",                    // GXJY
    "DEVONIAN",                  // GXMG
    "HAMINEA",                   // GXPI
    "CITY OF WINCHESTER",        // GXQS
    "HALIA",                     // GXRQ
    "ROLLICKER",                 // GXTQ
    "CIRCASSIA",                 // GXXL
    "REINA DEL MAR",             // GYAL
    "REGENT PEMBROKE",           // GYCG
    "CAPE TRAFALGAR",            // GYCK
    "TIELBANK",                  // GYEV
    "VELUTINA",                  // GYIK
    "PACIFIC STRONGHOLD",        // GYMB
    "TORR HEAD",                 // GYSP
    "BOSTON LIGHTNING",          // GZDC
    "RAVENSCRAIG",               // GZOS
    "PASS OF DRUMOCHTER",        // GZOX
    "SIR WINSTON CHURCHILL",     // GZQV
    "LONDON PRIDE",              // GZXJ
    "ERODONA",                   // GZZM
    "DIPLOMAT",                  // GZZX
    "SZEGED",                    // HAJA
    "TISZA",                     // HAPZ
    "BADACSONY",                 // HAXK
    "ROMANDIE",                  // HBAF
    "BASILEA",                   // HBDR
    "SILVAPLANA",                // HBQP
    "GOTTHARD",                  // HBUG
    "CHIMBORAZO",                // HCNG
    "GALAPAGOS",                 // HCSZ
    "ESMERALDAS",                // HDND
    "NAPO",                      // HDNL
    "COTOPAXI",                  // HDSP
    "ISLA PUNA",                 // HDZV
    "SANTA MARTA",               // HKNH
    "CARTAGENA DE INDIAS",       // HKTO
    "REPUBLICA DE COLOMBIA",     // HKWM
    "TAYRONA",                   // HKXI
    "QUINDIO",                   // HKYB
    "KYUNG NAM",                 // HLFF
    "HONAM JADE",                // HLLP
    "DONG HAE",                  // HLPY
    "ASIA CEDAR",                // HLSU
    "KUM GANG SAN",              // HMCA
    "AP ROK GANG",               // HMFT
    "SIN PO",                    // HMHJ
    "RA NAM",                    // HMHS
    "HYOK SIN",                  // HMLJ
    "MYO HYANG SAN",             // HMZW
    "AL MUTANABBI",              // HNJD
    "BABYLON",                   // HNWB
    "RUMAILA",                   // HNYG
    "CEMENTIA",                  // HOFD
    "TRADEWIND",                 // HOFY
    "HUA LIEN",                  // HOGA
    "GULF CORAL",                // HOJP
    "MAR DEL SUR",               // HOKM
    "TAI HING",                  // HOMY
    "SNOW CRYSTAL",              // HONK
    "GRAND FAITH",               // HOOE
    "PINDOS",                    // HOOF
    "MYRTIDIOTISSA",             // HOQX
    "OCEAN LILY",                // HORF
    "GREAT CONCORD",             // HORJ
    "CORINTHOS",                 // HOVL
    "NEW HORIZON",               // HOZI
    "ASIAN FLORA",               // HPAT
    "CHIRIQUI",                  // HPBJ
    "CIUDAD DE COLON",           // HPCZ
    "OLYMPIAS",                  // HPED
    "GOLDEN HARVEST",            // HPEO
    "CORDILLERA",                // HPIS
    "WING SHING",                // HPKK
    "FRIO BAHIA",                // HPOT
    "FILOTIMIA",                 // HPRU
    "KYRIAKOULA",                // HPSA
    "DARIEN",                    // HPSJ
    "PACIFIC LINK",              // HPXI
    "PROODOS",                   // HPXL
    "ISLA TABOGA",               // HPXR
    "PUERTO CORTES",             // HQEM
    "COPAN",                     // HQRX
    "ROATAN",                    // HQXX
    "TELA",                      // HRBS
    "CEIBA",                     // HRCH
    "LEMPIRA",                   // HRJJ
    "THONBURI",                  // HSAV
    "AYUTTHAYA",                 // HSEH
    "SUKHOTHAI",                 // HSJE
    "LOPBURI",                   // HSJI
    "SONGKHLA",                  // HSQQ
    "CHANTHABURI",               // HSVC
    "CHAO PHRAYA",               // HSZO
    "SAUDI TABUK",               // HZBW
    "RAS TANURA",                // HZCV
    "SAUDI ABHA",                // HZDB
    "JUBAIL",                    // HZKQ
    "AL MEDINA",                 // HZTK
    "NUOVA SPERANZA",            // IBOU
    "VESUVIO",                   // IBUR
    "ARCOLA",                    // IEOK
    "CORTEMAGGIORE",             // IFNN
    "STROMBOLI",                 // IFSC
    "TARANTO",                   // IGAF
    "ASPROMONTE",                // IGRF
    "MICHELANGELO",              // IHYR
    "DIAMANTE",                  // IHZP
    "ADRIA",                     // IJEY
    "SAN GIUSTO",                // IJFU
    "SICILIA",                   // IMVO
    "CANGURO VERDE",             // INLS
    "MESSAPIA",                  // INSM
    "LUCANIA",                   // INSX
    "ALBATROS",                  // IPRB
    "CORNIGLIANO",               // IQVZ
    "PORTOFINO",                 // ISTK
    "CERVINO",                   // ISXD
    "POMONA",                    // IUFH
    "ANTONIO PACINOTTI",         // IURM
    "LLOYDIANA",                 // IVGE
    "GALILEO GALILEI",           // IVKF
    "CRISTOFORO COLOMBO",        // IVKO
    "CAMPANIA FELIX",            // IWDA
    "TRITONE",                   // IWII
    "SARDEGNA",                  // IWNH
    "BAGNOLI",                   // IXHE
    "POSILLIPO",                 // IXJP
    "MONTE BALDO",               // IXVN
    "GIORGIONE",                 // IYDS
    "ESQUILINO",                 // IZMN
    "LATINA",                    // IZRX
    "ENOTRIA",                   // IZTU
    "PIOMBINO",                  // IZXI
    "NANKAI MARU",               // JACU
    "MIZUSHIMA MARU",            // JADG
    "TOYOOKA MARU",              // JAHJ
    "SEIUN MARU",                // JBCT
    "KIYOSUMI MARU",             // JBGR
    "KURAMA MARU",               // JBXJ
    "TSURUGA MARU",              // JBXK
    "OITA MARU",                 // JCAW
    "KAMAISHI MARU",             // JCBL
    "HAKONE MARU",               // JCFJ
    "WAKAYAMA MARU",             // JCOM
    "KIIRE MARU",                // JCRJ
    "YOSHINO MARU",              // JCTC
    "ARGENTINA MARU",            // JCUM
    "SHINANO MARU",              // JCVT
    "TAISEI MARU",               // JCXD
    "KAKOGAWA MARU",             // JDAY
    "KAMO MARU",                 // JDBQ
    "HIROHATA MARU",             // JDGD
    "KAIJIN MARU",               // JDHM
    "ZUIYO MARU",                // JDIQ
    "KINUGASA MARU",             // JDQD
    "AKAGI MARU",                // JDRL
    "MUROTO MARU",               // JDTI
    "FUKUYAMA MARU",             // JDWQ
    "AKEBONO MARU",              // JEEJ
    "TOKACHI MARU",              // JEGP
    "ZAO MARU",                  // JEHT
    "MIKAGE MARU",               // JEKV
    "GOHO MARU",                 // JEQF
    "KUSHIRO MARU",              // JESF
    "KASUGA MARU",               // JEVI
    "KAIWO MARU",                // JFJV
    "TATEYAMA MARU",             // JFLH
    "SHINSEI MARU",              // JFNC
    "NIPPON MARU",               // JFNI
    "SENSHU MARU",               // JFPP
    "KAIYO MARU",                // JFXU
    "HAKUHO MARU",               // JGBW
    "HOKO MARU",                 // JGQE
    "SAKURA MARU",               // JGRL
    "OKITSU MARU",               // JHCV
    "EIKO MARU",                 // JHGX
    "MURORAN MARU",              // JHRH
    "SHIBUSHI MARU",             // JHYL
    "DAISHIN MARU",              // JHYO
    "KASHIMA MARU",              // JHYS
    "TAIYU MARU",                // JICD
    "AMAGASAKI MARU",            // JIFX
    "KOHO MARU",                 // JIMM
    "HEIAN MARU",                // JIOC
    "KAMAKURA MARU",             // JJBV
    "YAWATA MARU",               // JJHL
    "SHOUN MARU",                // JJIK
    "KIMITSU MARU",              // JKAY
    "TAIHEI MARU",               // JKFT
    "ISUZU MARU",                // JKJF
    "ASHITAKA MARU",             // JKJW
    "TOMAKOMAI MARU",            // JKRV
    "NIKKO MARU",                // JKTZ
    "KIRISHIMA MARU",            // JKVV
    "SHINYO MARU",               // JLCB
    "KITAKAMI MARU",             // JLET
    "TSUKUBA MARU",              // JLMN
    "TOBATA MARU",               // JMAR
    "HAKUSAN MARU",              // JMLN
    "AWAJI MARU",                // JMNV
    "YAMAGATA MARU",             // JMQD
    "BISHU MARU",                // JMRX
    "CHICHIBU MARU",             // JMTK
    "ASO MARU",                  // JNKT
    "SHIMANTO MARU",             // JNUS
    "SETTSU MARU",               // JNVR
    "HIDA MARU",                 // JODE
    "FUJISAN MARU",              // JONQ
    "KORYO MARU",                // JOOK
    "YAHIKO MARU",               // JOQT
    "ATSUTA MARU",               // JOSK
    "KOYO MARU",                 // JOWD
    "BANDAI MARU",               // JPKW
    "SAKAI MARU",                // JPXJ
    "OGISHIMA MARU",             // JPYA
    "HOYO MARU",                 // JQBD
    "SAGAMI MARU",               // JQHA
    "ZUIKO MARU",                // JQIV
    "NOTO MARU",                 // JQLV
    "OPPAMA MARU",               // JQNB
    "IZUMO MARU",                // JQTV
    "SHIRETOKO MARU",            // JREN
    "HIYOSHI MARU",              // JRIE
    "BIZEN MARU",                // JSBE
    "KURE MARU",                 // JSHM
    "AKITSU MARU",               // JSIK
    "TOKAIDO MARU",              // JSMV
    "TENYO MARU",                // JSMY
    "WADI RUM",                  // JYXS
    "PETRA",                     // JYYP
    "POWDER RIVER",              // KATO
    "MELVILLE",                  // KAWT
    "ELIZABETHPORT",             // KBBM
    "SAN JACINTO",               // KBEP
    "SEATRAIN TEXAS",            // KBKK
    "MARIPOSA",                  // KBLQ
    "SANTA MARIANA",             // KBQH
    "PRESIDENT POLK",            // KBQZ
    "SEA VICTOR",                // KBTV
    "SHENANDOAH",                // KBVG
    "HASTINGS",                  // KBYD
    "IDAHO",                     // KCON
    "WILLIAMSBURGH",             // KCOO
    "AFRICAN COMET",             // KCYO
    "TENADORES",                 // KCZX
    "ATLANTIS",                  // KDAW
    "OGDEN WILLAMETTE",          // KDFC
    "AFRICAN NEPTUNE",           // KDFQ
    "UNITED STATES",             // KDIO
    "AMERICAN ARGOSY",           // KDNE
    "LASH ATLANTICO",            // KDQQ
    "SUSQUEHANNA",               // KDYD
    "PIONEER CONTENDER",         // KDZK
    "DEL ALBA",                  // KECC
    "KAUAI",                     // KEOC
    "INDIAN MAIL",               // KEPY
    "JAPAN BEAR",                // KEST
    "BRASIL",                    // KETN
    "SANTA PAULA",               // KFAC
    "MARINE FLORIDIAN",          // KFBG
    "RED JACKET",                // KFFZ
    "NORTH STAR",                // KFGY
    "DISCOVERER",                // KFUE
    "SEAFREEZE ATLANTIC",        // KFWB
    "PRESIDENT TAFT",            // KFYA
    "COASTAL CORPUS CHRISTI",    // KGED
    "ANCHORAGE",                 // KGIU
    "CHERRY VALLEY",             // KGJD
    "LURLINE",                   // KGNC
    "SEMINOLE",                  // KHDG
    "EXILONA",                   // KHIM
    "OCEANOGRAPHER",             // KHKH
    "BUCKNELL VICTORY",          // KHLD
    "BEAUMONT",                  // KHLW
    "HAWAIIAN PLANTER",          // KHRD
    "GATEWAY CITY",              // KIBS
    "OCEAN HARVESTER",           // KIIX
    "PECOS",                     // KIUO
    "TRANSEASTERN",              // KIUY
    "TOPA TOPA",                 // KIVU
    "CALIFORNIAN",               // KIWN
    "EXCALIBUR",                 // KIXM
    "OHIOAN",                    // KIZG
    "BIG HORN",                  // KJHQ
    "BIENVILLE",                 // KJNK
    "VEMA",                      // KJUG
    "MONTANA",                   // KJYD
    "THOMPSON PASS",             // KKFR
    "TRANSCOLORADO",             // KKFW
    "SPINDLETOP",                // KKGL
    "MORMACSAGA",                // KKIX
    "STAG HOUND",                // KKPG
    "DELTA ARGENTINA",           // KKPR
    "ISLA GRANDE",               // KKUS
    "ROBIN GRAY",                // KLGA
    "MARINE CHEMIST",            // KLMQ
    "PUERTO RICAN",              // KLPQ
    "PENNMAR",                   // KLVI
    "CHALMETTE",                 // KMEC
    "ALPHA HELIX",               // KMHK
    "BAYONNE",                   // KMTR
    "SOUTHERN CROSS",            // KMUA
    "CHEMICAL EXPLORER",         // KMZH
    "LOMPOC",                    // KNEC
    "PAOLI",                     // KNHU
    "ATCHAFALAYA",               // KNJZ
    "MAUNA KEA",                 // KNPS
    "SABINE",                    // KOBV
    "EL YUNQUE",                 // KOXP
    "FLYING GULL",               // KOYT
    "KODIAK QUEEN",              // KPAR
    "BEAUREGARD",                // KPZP
    "OAKLAND",                   // KQHJ
    "COVE LEADER",               // KQJG
    "WECOMA",                    // KQLH
    "DEL NORTE",                 // KQOE
    "YANKEE CLIPPER",            // KREZ
    "EXPORT BANNER",             // KRHU
    "BAYAMON",                   // KRTB
    "APPALACHIAN",               // KRTC
    "BLACK FALCON",              // KSDY
    "FAIRLAND",                  // KSGQ
    "SANSINENA",                 // KSKT
    "CABRILLO",                  // KSNT
    "OVERSEAS JUNEAU",           // KSPU
    "NECHES",                    // KTBP
    "BORINQUEN",                 // KTBV
    "GLOMAR CHALLENGER",         // KTDF
    "GUAYAMA",                   // KTJE
    "NORTHLAND",                 // KTVV
    "MORAZAN",                   // KTZV
    "MORNING LIGHT",             // KUSF
    "MOANA WAVE",                // KUTH
    "OLD DOMINION",              // KVDW
    "PONCE DE LEON",             // KVFB
    "CHESAPEAKE",                // KVJT
    "YELLOWSTONE",               // KWHD
    "BERING SEA",                // KWUS
    "SPARROWS POINT",            // KWZE
    "BALTORE",                   // KXFY
    "SAVANNAH",                  // KXKH
    "MARORE",                    // KXRN
    "MANHATTAN",                 // KYCT
    "LNG AQUARIUS",              // KZEL
    "PATRIOT",                   // KZFI
    "LIBERTY BELL",              // KZQI
    "GOLDEN GATE",               // KZQU
    "VENORE",                    // KZTF
    "POLYSAGA",                  // LAEL4
    "ANTARCTIC",                 // LATU2
    "BERGLJOT",                  // LAWK9
    "BELNOR",                    // LBLU5
    "ARENDAL",                   // LCBC4
    "SAMNANGER",                 // LCEB8
    "SORLANDET",                 // LCET2
    "LEDA",                      // LCHU4
    "BERGE ISTRA",               // LCSF2
    "NORDSTJERNEN",              // LCTM3
    "NARVIK",                    // LDDP8
    "HOEGH FALCON",              // LESW6
    "RAGNHILD",                  // LETQ9
    "NORSKOG",                   // LEYB9
    "KONG OLAV",                 // LFFO6
    "SENJAHAV",                  // LFKT8
    "BORGESTAD",                 // LFLX5
    "LYSAKER",                   // LFRX4
    "TALABOT",                   // LFUO9
    "SKAUGUM",                   // LFWX3
    "TOURCOING",                 // LGDL5
    "SYDVARANGER",               // LGEH6
    "G.O. SARS",                 // LGFA9
    "VARG",                      // LGHM4
    "KOSMOS",                    // LGLR6
    "NORSEMAN",                  // LGQQ4
    "HAVBRYN",                   // LHED5
    "BLACK PRINCE",              // LHGQ7
    "STAVANGERFJORD",            // LHVO9
    "BAYARD",                    // LHXI8
    "TIRRANNA",                  // LHYJ8
    "SOLSTREIF",                 // LIBH7
    "HAVDROTT",                  // LIGQ8
    "HELMER HANSSEN",            // LIHH9
    "BORGNY",                    // LIQA9
    "TARONGA",                   // LIUU4
    "POLARLYS",                  // LIYU3
    "TOMBARRA",                  // LJMU2
    "KIRKENES",                  // LJWF3
    "HARALD JARL",               // LJYP9
    "SNEFONN",                   // LKRJ8
    "HOSANGER",                  // LKVB8
    "NORMAN LADY",               // LKYK5
    "SAGAFJORD",                 // LMCZ3
    "NORDKYST",                  // LMFL7
    "HAUGESUND",                 // LMLS5
    "THORSHOVDI",                // LMXU5
    "FERNCLIFF",                 // LNCX7
    "RIO CARCARANA",             // LOFN
    "CAMPO DURAN",               // LOZB
    "BAHIA BLANCA",              // LPGH
    "CUTRAL CO",                 // LPSL
    "PLAZA HUINCUL",             // LPSW
    "SIERRA GRANDE",             // LQRM
    "ZAPLA",                     // LROS
    "GOLFO SAN JORGE",           // LRXN
    "LIBERTAD",                  // LSER
    "MENDOZA",                   // LSST
    "LAGO ARGENTINO",            // LUHO
    "YAPEYU",                    // LUYT
    "TIERRA DEL FUEGO",          // LVWW
    "ALMIRANTE IRIZAR",          // LWFH
    "RIO BERMEJO",               // LWYL
    "PANEVEZYS",                 // LYEN
    "KAUNAS",                    // LYGE
    "NERINGA",                   // LYHS
    "SIAULIAI",                  // LYKC
    "JURBARKAS",                 // LYKO
    "VITOSHA",                   // LZBD
    "MARITSA",                   // LZBE
    "ISKAR",                     // LZCP
    "SHIPKA",                    // LZDI
    "ZARGAN",                    // LZDJ
    "ALEKO KONSTANTINOV",        // LZGS
    "PLOVDIV",                   // LZKV
    "STRANDZHA",                 // LZOO
    "VASIL LEVSKI",              // LZPO
    "RODOPI",                    // LZPQ
    "PIRIN",                     // LZTN
    "HRISTO BOTEV",              // LZTP
    "RILA",                      // LZTZ
    "HAN ASPARUH",               // LZUD
    "VARNA",                     // LZWE
    "ABBOTSFORD",                // MDJQ
    "BRENTWOOD",                 // MIPF
    "CHELSEA BRIDGE",            // MOCD
    "HELMSDALE",                 // MSKM
    "STRONSAY",                  // MYFV
    "PORTSOY",                   // MZZX
    "MOLLENDO",                  // OAFR
    "TALARA",                    // OANK
    "CHIMBOTE",                  // OANX
    "RIMAC",                     // OAYW
    "BYBLOS",                    // ODCT
    "AL HOUDA",                  // ODDH
    "ARZ LUBNAN",                // ODEL
    "SALAM",                     // ODHA
    "BAALBEK",                   // ODKM
    "SAIDA",                     // ODQE
    "JOUNIEH",                   // ODSH
    "NOUR",                      // ODSU
    "KARNTEN",                   // OEHK
    "STEIERMARK",                // OERN
    "RAUTARUUKKI",               // OHOV
    "AALLOTAR",                  // OHSX
    "URHO",                      // OJJA
    "SOTKA",                     // OJJU
    "LOVIISA",                   // OJQF
    "KAARINA",                   // OJSP
    "KASTELHOLM",                // OJUC
    "TIIRA",                     // OJUK
    "SAIMAA",                    // OJVL
    "FINNMERCHANT",              // OJYV
    "ORLIK",                     // OKRI
    "VLTAVA",                    // OKYH
    "KARLSTEJN",                 // OKYO
    "TATRY",                     // OLWF
    "MERCATOR",                  // ONES
    "KASONGO",                   // OOEK
    "HAINAUT",                   // OOGO
    "CLERVAUX",                  // OOQR
    "ARDENNES",                  // OPDI
    "ESCAUT",                    // OPWD
    "BRABANT",                   // OQNM
    "LUBILASH",                  // ORCW
    "MOANDA",                    // ORRK
    "BRUGGE",                    // ORSO
    "VAN MAERLANT",              // OSIE
    "ZEEMEEUW",                  // OTWS
    "ERRIA",                     // OUMF
    "SKAGEN",                    // OVBJ
    "AALBORGHUS",                // OVBY
    "NORDHAVET",                 // OVJR
    "NORDSOEN",                  // OVQH
    "FRIGORIA",                  // OVRP
    "C.F. TIETGEN",              // OVVK
    "TORM GUDRUN",               // OWBK
    "DANA",                      // OWDL
    "SVENDBORG",                 // OWGH
    "JUTLANDIA",                 // OWKN
    "NORDKAP",                   // OWQZ
    "FALSTRIA",                  // OWSR
    "HAFNIA",                    // OWTF
    "DANMARK",                   // OXCM
    "KRONBORG",                  // OXDZ
    "ENGLAND",                   // OXGS
    "KRONPRINS FREDERIK",        // OXIG
    "SELANDIA",                  // OXMR
    "HIRTSHALS",                 // OYBQ
    "AARHUS",                    // OYFM
    "ITALIAN REEFER",            // OYSD
    "AALBORG PORTLAND",          // OYVP
    "KISTA DAN",                 // OYYQ
    "CHASTINE MAERSK",           // OZBH
    "KALUNDBORG",                // OZBS
    "TYRA",                      // OZEJ
    "BORNHOLM",                  // OZUQ
    "AKAMAS",                    // P3BP
    "ONISILOS",                  // P3HF
    "OLYMPOS",                   // P3QU
    "PAFOS",                     // P3ZW
    "CHOLLIMA",                  // P5HP
    "MAN GYONG BONG",            // P5IZ
    "PAEK TU SAN",               // P5TU
    "TAEDONG GANG",              // P5ZV
    "HOLLANDS DIEP",             // PASY
    "IJMUIDEN",                  // PBFO
    "SLOTERDIJK",                // PBVT
    "ZWARTE ZEE",                // PCJD
    "ZEEVALK",                   // PCVM
    "STRAAT MALAKKA",            // PCWY
    "BONAIRE",                   // PCXZ
    "POOLZEE",                   // PDHT
    "BONTEKOE",                  // PDKD
    "ORANJESTAD",                // PDPI
    "EEMSHAVEN",                 // PDQH
    "FLEVO",                     // PDQQ
    "RIDDERKERK",                // PDRT
    "NIJKERK",                   // PEAV
    "VLIELAND",                  // PEEF
    "ALCOR",                     // PEEV
    "NOORDERLICHT",              // PEGQ
    "NOORDAM",                   // PEKF
    "NEDLLOYD HOORN",            // PELV
    "MAASSLUIS",                 // PEOR
    "ROTTERDAM",                 // PETF
    "AMSTELLAND",                // PEZP
    "HUNZE",                     // PFBF
    "WAALHAVEN",                 // PFMK
    "HEEMSKERCK",                // PFPE
    "OSCILLA",                   // PFQZ
    "TEXELSTROOM",               // PFTA
    "ALBIREO",                   // PFTI
    "WILLEMSTAD",                // PFXQ
    "DELFSHAVEN",                // PGAK
    "ORANJE",                    // PGFT
    "BLOEMGRACHT",               // PGRS
    "MIRALDA",                   // PGTB
    "TJIWANGI",                  // PGTM
    "PENDRECHT",                 // PHBV
    "EUROPOORT",                 // PHCZ
    "MERWEDE",                   // PHFJ
    "DOLLARD",                   // PHGH
    "DOGGERSBANK",               // PHVJ
    "ALAGOAS",                   // PPAO
    "JOSE BONIFACIO",            // PPRW
    "RONDONIA",                  // PQUK
    "CARAJAS",                   // PSJR
    "CABO FRIO",                 // PSMG
    "PARANAGUA",                 // PSXX
    "PIAUI",                     // PTCR
    "GUANABARA",                 // PTKL
    "MARANHAO",                  // PTTY
    "PRINCESA LEOPOLDINA",       // PUFV
    "ITAPE",                     // PVCE
    "ANNA NERY",                 // PVHY
    "ITABIRA",                   // PVXG
    "TUBARAO",                   // PXEN
    "MARAJO",                    // PXRV
    "PERNAMBUCO",                // PYAX
    "AMAPA",                     // PYCK
    "LLOYD ALEGRETE",            // PYDI
    "RIO GRANDE DO SUL",         // PYTG
    "DOCEFJORD",                 // PYTV
    "BANGLAR ROBI",              // S2BI
    "KARNAPHULI",                // S2DY
    "NEPTUNE OPAL",              // S6PG
    "NEPTUNE AMBER",             // S6RH
    "PASIR PANJANG",             // S6XS
    "SVEALAND",                  // SDGH
    "VARMLAND",                  // SECQ
    "NYNAS",                     // SEGO
    "MALMOHUS",                  // SERZ
    "BOHUSLAN",                  // SFAF
    "TRANSBALTICA",              // SFPJ
    "TUNADAL",                   // SFYK
    "SCANIA",                    // SFYR
    "SEA SOVEREIGN",             // SHCG
    "LUOSSAVAARA",               // SHFP
    "KUNGSHOLM",                 // SHLP
    "SNOW FLAKE",                // SIPT
    "MALMBERGET",                // SJLJ
    "SKOGHALL",                  // SJTM
    "STRIBERG",                  // SJXQ
    "POLARIS",                   // SKDZ
    "SANDVIKEN",                 // SKFK
    "VASALAND",                  // SKRJ
    "BLEKINGE",                  // SKYC
    "BROFJORD",                  // SLAT
    "NORRBOTTEN",                // SLJR
    "ODEN",                      // SLKB
    "STOCKHOLM",                 // SLLI
    "NORRKOPING",                // SLQS
    "GOTHIA",                    // SLXS
    "GRANGESBERG",               // SMBS
    "SAGA",                      // SMTL
    "ELIZA ORZESZKOWA",          // SPAJ
    "LUBLIN",                    // SPCK
    "PELIKAN",                   // SPDW
    "ELBLAG",                    // SPIX
    "DALMOR",                    // SPJD
    "KOSZALIN",                  // SPLI
    "SANDOMIERZ",                // SPLK
    "LEGNICA",                   // SPLY
    "WALBRZYCH",                 // SPNJ
    "PROFESOR SIEDLECKI",        // SPOJ
    "SIERADZ",                   // SPPD
    "WARMIA",                    // SPPX
    "MAZURY",                    // SPQN
    "KORAB",                     // SPRC
    "KALISZ",                    // SPSW
    "KILINSKI",                  // SPTH
    "RZESZOW",                   // SPTI
    "WAWEL",                     // SPTP
    "BELCHATOW",                 // SPTS
    "IGNACY KRASICKI",           // SPTX
    "GORNY SLASK",               // SPUN
    "JASLO",                     // SPVP
    "OLSZTYN",                   // SPVQ
    "ZIEMIA KRAKOWSKA",          // SPWA
    "BRYZA",                     // SPWH
    "GNIEZNO",                   // SPXM
    "PLOCK",                     // SPYD
    "KALMAR",                    // SPYK
    "PILICA",                    // SPYP
    "PULASKI",                   // SQCS
    "HENRYK SIENKIEWICZ",        // SQDJ
    "MALBORK",                   // SQDL
    "HERKULES",                  // SQEO
    "KROSNO",                    // SQEZ
    "SKAWINA",                   // SQII
    "JANTAR",                    // SQIM
    "ROGALIN",                   // SQLI
    "KOSCIUSZKO",                // SQLT
    "ZABRZE",                    // SQRR
    "SOSNOWIEC",                 // SQUC
    "ADAM MICKIEWICZ",           // SQVD
    "TCZEW",                     // SQXC
    "MERKURY",                   // SQXE
    "PRZEMYSL",                  // SQZH
    "STEFAN BATORY",             // SRAT
    "NOTEC",                     // SRBP
    "MARIA KONOPNICKA",          // SRDX
    "HUTA KATOWICE",             // SREL
    "BOLESLAW PRUS",             // SRGA
    "KMICIC",                    // SRGD
    "SKORPION",                  // SRHJ
    "KASZUBY",                   // SRII
    "JOZEF CONRAD",              // SRJK
    "WARTA",                     // SRKD
    "MIECZNIK",                  // SRLE
    "BALTYK",                    // SRLI
    "OPOLE",                     // SRLK
    "BYTOM",                     // SRMX
    "DAR POMORZA",               // SRNW
    "WLADYSLAW REYMONT",         // SRNY
    "JASTRZEBIE",                // SRPD
    "RYBNIK",                    // SRRO
    "LOMZA",                     // SRSJ
    "LOWICZ",                    // SRSP
    "NAREW",                     // SRTA
    "HORYZONT",                  // SRTK
    "ZAMOSC",                    // SRTP
    "STANISLAW WYSPIANSKI",      // SRTT
    "JULIUSZ SLOWACKI",          // SRUY
    "GORLICE",                   // SRWP
    "KONIN",                     // SRXH
    "KUJAWY",                    // SRXI
    "MEMPHIS",                   // SSAB
    "ASWAN",                     // SSFK
    "LUXOR",                     // SSHV
    "ISMAILIA",                  // SSMQ
    "KOM OMBO",                  // SSRW
    "DAMANHOUR",                 // SSVT
    "EL SUWEIS",                 // SUFF
    "SALAH EL DIN",              // SUUN
    "NEFERTITI",                 // SUUU
    "ANDROMEDA",                 // SVKF
    "ALKYON",                    // SVLD
    "IRAKLIS",                   // SVME
    "AUSTRALIS",                 // SVRC
    "ELPIS",                     // SVTE
    "MARATHON",                  // SVWB
    "FANEROMENI",                // SVXI
    "KAPETAN MANOLIS",           // SVXQ
    "AGIOS SPYRIDON",            // SVZS
    "MARIGO",                    // SWCT
    "GALINI",                    // SWDX
    "PROTEUS",                   // SWEC
    "ASTERION",                  // SWFH
    "PISTIS",                    // SWGA
    "SARONIKOS",                 // SWHG
    "CHIOS",                     // SWJS
    "EVANGELISTRIA",             // SWLZ
    "ELEFTHERIA",                // SWMC
    "AIGAION",                   // SWMW
    "ELLINIS",                   // SWNZ
    "EFTYCHIA",                  // SWPK
    "PINDAROS",                  // SWTI
    "KEFALONIA",                 // SWWZ
    "KALLIROI",                  // SWYI
    "KASOS",                     // SXAQ
    "PERIKLIS",                  // SXBN
    "STAVROULA",                 // SXBW
    "EVDOKIA",                   // SXFG
    "DELOS",                     // SXJK
    "AGIOS GEORGIOS",            // SXLY
    "ANDROS",                    // SXMG
    "MYRTO",                     // SXNC
    "KOLOKOTRONIS",              // SXNJ
    "THESSALONIKI",              // SXPE
    "NAXOS",                     // SXUS
    "SAMOS",                     // SXYE
    "ARISTOTELIS",               // SXYW
    "ITHAKI",                    // SXZV
    "ERMOUPOLIS",                // SYBT
    "ARETI",                     // SYCT
    "PROMETHEFS",                // SYGE
    "OLYMPIA",                   // SYHI
    "AGIOS NIKOLAOS",            // SYKA
    "LEONIDAS",                  // SYKO
    "KALYMNOS",                  // SYMH
    "PATROKLOS",                 // SYMP
    "ATHINA",                    // SYMR
    "THIRA",                     // SYNQ
    "SKIATHOS",                  // SYOS
    "DELPHI",                    // SYQD
    "AKTI",                      // SYQE
    "SYMI",                      // SYQF
    "AGAPI",                     // SYTT
    "PANAGIA TINOU",             // SYUR
    "MYKONOS",                   // SYVN
    "PATRAIKOS",                 // SYWR
    "ERMIS",                     // SYZN
    "KRITI",                     // SZBN
    "NESTOR",                    // SZCQ
    "OMIROS",                    // SZGP
    "NEREUS",                    // SZHH
    "SALAMIS",                   // SZHV
    "KYMA",                      // SZIQ
    "KARPATHOS",                 // SZIY
    "KRONOS",                    // SZJM
    "ARTEMISION",                // SZKO
    "THEOSKEPASTI",              // SZLJ
    "AGIA MARINA",               // SZLN
    "ARGOLIS",                   // SZND
    "THEMISTOKLIS",              // SZNX
    "IRINI",                     // SZON
    "DIMITRIOS",                 // SZPK
    "ARGONAFTIS",                // SZQO
    "SOKRATIS",                  // SZSP
    "IONION",                    // SZVM
    "CHRYSSI",                   // SZYC
    "ADANA",                     // TCBM
    "KIZILIRMAK",                // TCCC
    "KARADENIZ",                 // TCDT
    "ISKENDERUN",                // TCEH
    "SIVAS",                     // TCEM
    "SAMSUN",                    // TCFD
    "ANKARA",                    // TCFL
    "BEYKOZ",                    // TCHH
    "BATMAN",                    // TCHM
    "RAMAN",                     // TCIE
    "AKDENIZ",                   // TCIK
    "FIRAT",                     // TCIP
    "RIZE",                      // TCJM
    "SAKARYA",                   // TCKW
    "KARTAL",                    // TCKZ
    "DIVRIGI",                   // TCLA
    "PIRI REIS",                 // TCND
    "BURSA",                     // TCNX
    "GIRESUN",                   // TCOO
    "YESILKOY",                  // TCOZ
    "KONYA",                     // TCPN
    "KARABUK",                   // TCSA
    "AYVALIK",                   // TCSL
    "DENIZLI",                   // TCTC
    "ATAKOY",                    // TCTF
    "MALATYA",                   // TCTH
    "ERZURUM",                   // TCUT
    "MARMARA",                   // TCVE
    "ALANYA",                    // TCVT
    "EREGLI",                    // TCVU
    "KOCAELI",                   // TCYA
    "KIRIKKALE",                 // TCYI
    "TRABZON",                   // TCZH
    "GULLFOSS",                  // TFDD
    "BRUARFOSS",                 // TFEK
    "HAMRAFELL",                 // TFFF
    "DETTIFOSS",                 // TFKC
    "ARNARFELL",                 // TFKM
    "ESJA",                      // TFSV
    "INGOLFUR ARNARSON",         // TFYE
    "STRELETS",                  // UAAH
    "VYTEGRALES",                // UABN
    "SIGULDA",                   // UAQA
    "PROFESSOR VIZE",            // UAQZ
    "PRIBOY",                    // UAVC
    "BERINGOV PROLIV",           // UAYQ
    "SVETLOGORSK",               // UBDY
    "INDIGIRKA",                 // UBJK
    "AZERBAYDZHAN",              // UBNM
    "ALTAY",                     // UBSU
    "KOMSOMOLETS UKRAINY",       // UBTX
    "VALERIY CHKALOV",           // UBVR
    "APATITY",                   // UBYE
    "OKHOTSK",                   // UCFC
    "BUGULMA",                   // UCFP
    "HAAPSALU",                  // UCLR
    "STEPAN RAZIN",              // UCQG
    "JELGAVA",                   // UCRF
    "KRIVOY ROG",                // UCUY
    "MURMANSK",                  // UCVW
    "KEGUMS",                    // UCVZ
    "PETROZAVODSK",              // UDCT
    "SEMYON DEZHNEV",            // UDDD
    "TAVRIYA",                   // UDEP
    "TEMIRTAU",                  // UDGC
    "VITUS BERING",              // UDIJ
    "KOSTROMA",                  // UDIM
    "RYBAK ESTONII",             // UDJP
    "PRIBALTIKA",                // UDOH
    "KHABAROVSK",                // UDTG
    "VARSHAVA",                  // UDVN
    "SHKVAL",                    // UDWE
    "PARIZHSKAYA KOMMUNA",       // UEHW
    "ZUBATKA",                   // UEVP
    "POBEDA",                    // UEWD
    "ALEKSANDR PUSHKIN",         // UFAG
    "BELOMORYE",                 // UFDV
    "KANIN NOS",                 // UFHJ
    "SIBIR",                     // UFHU
    "KULIKOVO POLE",             // UFKM
    "UKRAINA",                   // UFNB
    "SEVERYANKA",                // UFQH
    "KOVDOR",                    // UFVK
    "KHIBINY",                   // UFXB
    "BELGRAD",                   // UFXT
    "PRILIV",                    // UGKF
    "ANTON CHEKHOV",             // UGKM
    "KRASIN",                    // UGNC
    "VLADIMIR MAYAKOVSKIY",      // UGRW
    "VDOKHNOVENIE",              // UGVY
    "ILYA REPIN",                // UGZA
    "SEDOV",                     // UHAK
    "VLADIVOSTOK",               // UHCB
    "SOVETSKAYA GAVAN",          // UHDF
    "ZAPOLYARYE",                // UHID
    "ZLATOUST",                  // UHLP
    "VITYAZ",                    // UHPV
    "YERMAK",                    // UIJZ
    "ALMETYEVSK",                // UIQI
    "MEZEN",                     // UISI
    "MAGNITOGORSK",              // UIUA
    "BELGOROD-DNESTROVSKIY",     // UIUX
    "TERIBERKA",                 // UJDM
    "KIRISHI",                   // UJDP
    "TRUDOVAYA SLAVA",           // UJGW
    "NORILSK",                   // UJKY
    "POLYARNAYA ZVEZDA",         // UKCZ
    "ANTARES",                   // UKDO
    "VASILIY SURIKOV",           // UKKX
    "ELTON",                     // UKNK
    "SEVAN",                     // UKNP
    "RUSTAVI",                   // UKUP
    "SOLIKAMSK",                 // UKYT
    "VENTSPILS",                 // UKZZ
    "DALNEVOSTOCHNIK",           // ULDF
    "SHEKSNA",                   // ULGN
    "MONCHEGORSK",               // ULLP
    "MTSKHETA",                  // ULSA
    "BUKHAREST",                 // ULSL
    "AYSBERG",                   // UMEL
    "SKULPTOR KONENKOV",         // UMFG
    "KUTAISI",                   // UMMB
    "KRUZENSHTERN",              // UMND
    "BURUN",                     // UNLJ
    "OLENEK",                    // UNMC
    "NAKHODKA",                  // UNOH
    "TUAPSE",                    // UNOJ
    "DONBASS",                   // UNUF
    "GORDYY",                    // UNWQ
    "MIKHAIL LERMONTOV",         // UNYF
    "PRIMORYE",                  // UOES
    "GEOLOG FERSMAN",            // UOFH
    "BAKURIANI",                 // UOFL
    "KOLYMA",                    // UOFY
    "BASKUNCHAK",                // UOHN
    "BRATSK",                    // UOJF
    "TROPIK",                    // UOMG
    "ZARYA",                     // UONV
    "TOVARISHCH",                // UPBE
    "KUZBASS",                   // UPFK
    "GRUMANT",                   // UPGA
    "BELORUSSIYA",               // UPIF
    "SMOLNYY",                   // UPKS
    "SEVERNOE SIYANIE",          // UPLA
    "ISAAK LEVITAN",             // UPTH
    "PEKIN",                     // UPTR
    "OLENEGORSK",                // UPUK
    "ATLANTIKA",                 // UPWE
    "NOVOPOLOTSK",               // UPWQ
    "GUBKIN",                    // UQIV
    "PASSAT",                    // UQJV
    "VETLUGA",                   // UQTS
    "LENINSKIY KOMSOMOL",        // UQXO
    "SMOLENSK",                  // URFM
    "MYS KODOR",                 // URIO
    "VOLOGDA",                   // URJH
    "ALEKSANDROVSK",             // URNL
    "IVAN FRANKO",               // URRQ
    "PECHENGA",                  // URVS
    "ARKTIKA",                   // USFY
    "NIKOLAY NEKRASOV",          // USNK
    "YAKUB KOLAS",               // USSI
    "BORODINO",                  // USUA
    "KHUDOZHNIK SARYAN",         // USYH
    "KREMENCHUG",                // UTAI
    "ERNST KRENKEL",             // UTAQ
    "KAPITAN ZHURAVSKIY",        // UTCP
    "KARAGANDA",                 // UTDL
    "UGLICH",                    // UTFL
    "ZHELEZNOGORSK",             // UTJT
    "KOLSKIY ZALIV",             // UTLU
    "ANGARSK",                   // UTLW
    "SEVERNYE ZORI",             // UTPH
    "MOSKVA",                    // UTPK
    "RUDNYY",                    // UTQN
    "SOVETSKIY SOYUZ",           // UUGY
    "SURGUT",                    // UUIN
    "ORLAN",                     // UUNQ
    "ROSSIYA",                   // UUSF
    "YULIUS FUCHIK",             // UVDX
    "POLYARNIK",                 // UVEE
    "MOLOGA",                    // UVFB
    "KOSTOMUKSHA",               // UVMP
    "NEBIT-DAG",                 // UVOK
    "KOSMONAVT YURIY GAGARIN",   // UVOQ
    "KOTLASLES",                 // UVPI
    "KHERSON",                   // UVUI
    "IGARKA",                    // UVYA
    "ONEGA",                     // UVZR
    "NEPTUN",                    // UVZV
    "AKADEMIK KURCHATOV",        // UWCW
    "PARTIZANSK",                // UWDW
    "NOVOKUZNETSK",              // UWIP
    "KIROVAKAN",                 // UWLR
    "KRASNOYARSK",               // UWRT
    "PIONER MOSKVY",             // UWWZ
    "YUZHNO-SAKHALINSK",         // UWYX
    "MUSSON",                    // UXEW
    "SHOTA RUSTAVELI",           // UXGD
    "ADMIRAL NAKHIMOV",          // UXIE
    "KACHKANAR",                 // UXIO
    "ENTUZIAST",                 // UXJB
    "LENIN",                     // UXJT
    "BAKHCHISARAY",              // UXRY
    "ARKADIY GAYDAR",            // UXVQ
    "PRAGA",                     // UXXB
    "TARAS SHEVCHENKO",          // UXXR
    "AKHTUBA",                   // UXYN
    "NIKOLAYEVSK-NA-AMURE",      // UXZF
    "VILJANDI",                  // UYGK
    "ALEKSEY CHIRIKOV",          // UYGL
    "MEKHANIK KULIBIN",          // UYIW
    "GRUZIYA",                   // UYKF
    "ULAN-BATOR",                // UYKW
    "STOYKIY",                   // UYOJ
    "KURILSKIE OSTROVA",         // UYQB
    "SERGEY YESENIN",            // UYSL
    "YANTARNYY BEREG",           // UYTU
    "TIKHORETSK",                // UYUB
    "PROGRESS",                  // UZKH
    "DRUZHBA NARODOV",           // UZOK
    "PETR CHAYKOVSKIY",          // UZPD
    "PERVOMAYSK",                // UZUL
    "KOMMUNARSK",                // UZWT
    "LISICHANSK",                // UZXJ
    "POLTAVA",                   // UZYG
    "MANICOUAGAN",               // VCKR
    "ABEGWEIT",                  // VDMW
    "GOLD RIVER",                // VDOG
    "SEPT-ILES",                 // VEZP
    "SAGUENAY",                  // VFCW
    "TADOUSSAC",                 // VFMI
    "NOVA ANGLER",               // VGWI
    "IRON WHYALLA",              // VJCP
    "LAKE TORRENS",              // VJRS
    "EMPRESS OF AUSTRALIA",      // VJUB
    "KURNELL",                   // VJUT
    "KOORINGA",                  // VJWY
    "BASS TRADER",               // VJXV
    "IRON BARON",                // VKKV
    "ABEL TASMAN",               // VLGL
    "AUSTRALIAN VENTURE",        // VLNC
    "MOUNT NEWMAN",              // VMHN
    "ALLUNGA",                   // VMSI
    "ROBE RIVER",                // VNIL
    "CHEUNG CHAU",               // VRCG8
    "JADE PHOENIX",              // VRKI4
    "ORIENTAL SCHOLAR",          // VRLN2
    "WORLD CONCORD",             // VRMP4
    "TAI PING",                  // VROR9
    "TSING YI",                  // VRQM6
    "SAI KUNG",                  // VRSB3
    "SHUN FUNG",                 // VRTI9
    "LANTAU",                    // VRVU3
    "KOWLOON BAY",               // VRZB9
    "STATE OF HARYANA",          // VVBH
    "SANCHI",                    // VVCY
    "JALAPADMA",                 // VVEA
    "JALAGOPAL",                 // VVGJ
    "ANDAMAN",                   // VVGO
    "JALARAJAN",                 // VVHI
    "VISHVA JYOTI",              // VVHR
    "CHANDRAGUPTA",              // VVLQ
    "VISHVA APARNA",             // VVPR
    "JALAKIRTI",                 // VVTT
    "AJANTA",                    // VVXH
    "STATE OF ORISSA",           // VVXN
    "INDIAN ENDURANCE",          // VVXY
    "KUDREMUKH",                 // VVZY
    "NARMADA",                   // VWBH
    "NALANDA",                   // VWCU
    "LOK PRATAP",                // VWFB
    "SAURASHTRA",                // VWHT
    "BAILADILA",                 // VWKR
    "MAHARSHI VALMIKI",          // VWLF
    "NANDA DEVI",                // VWLG
    "GOMATI",                    // VWMC
    "KONARK",                    // VWNR
    "LAL BAHADUR SHASTRI",       // VWPR
    "BHARATA",                   // VWQI
    "INDIAN TRIUMPH",            // VWRK
    "GODAVARI",                  // VWTW
    "DESH SHAKTI",               // VWUZ
    "KANCHENJUNGA",              // VWZV
    "VISHVA VIBHUTI",            // VWZZ
    "BLUENOSE",                  // VYTW
    "HUDSON",                    // VYUP
    "CHAMPLAIN",                 // VYYI
    "BLUE RIDGE",                // WAZQ
    "LOUISIANA BRIMSTONE",       // WCRN
    "SALVAGE CHIEF",             // WCUO
    "SAINT ROSALIE",             // WDCC
    "PORTMAR",                   // WDID
    "MESABI",                    // WFGK
    "BROOKS RANGE",              // WFSF
    "VALLEY FORGE",              // WHDR
    "KETTLEMAN HILLS",           // WICZ
    "MONTEREY",                  // WIDB
    "STATE OF MAINE",            // WIGZ
    "STEEL ARTISAN",             // WIUF
    "KEYSTONE STATE",            // WIUK
    "CORNHUSKER STATE",          // WJBE
    "MISSION SANTA CRUZ",        // WJHL
    "INDEPENDENCE",              // WJSX
    "CHICKASAW",                 // WKIL
    "ESPARTA",                   // WKRX
    "FREDERICKSBURG",            // WLWA
    "ARIZPA",                    // WLZS
    "CLAIBORNE",                 // WMDJ
    "CUBORE",                    // WMYK
    "EXPORT COURIER",            // WNGB
    "GREAT LAND",                // WNHY
    "ST. ANTHONY",               // WNLI
    "POCAHONTAS",                // WOFX
    "PUGET SOUND",               // WOUU
    "LONG LINES",                // WPLH
    "ATLANTIC ENGINEER",         // WPZE
    "STEEL FABRICATOR",          // WQKD
    "MORMACDAWN",                // WQNL
    "MONTEBELLO",                // WRQA
    "GALVESTON",                 // WRVG
    "SALT CREEK",                // WSTO
    "MOUNT WASHINGTON",          // WTBM
    "OCEANUS",                   // WTHT
    "AMERICAN LANCER",           // WTTV
    "OUR LADY OF FATIMA",        // WUVJ
    "MARYLAND",                  // WVRC
    "PACIFIC ISLANDER",          // WVSE
    "PRUDHOE BAY",               // WVVZ
    "GREEN WAVE",                // WXGK
    "ALLEGHENY",                 // WYMR
    "NORTHERN EAGLE",            // WZVJ
    "YUCATAN",                   // XCJJ
    "TOLUCA",                    // XCNB
    "PLAYA AZUL",                // XCNY
    "PUERTO VALLARTA",           // XDRR
    "ANAHUAC",                   // XGKB
    "CUAUHTEMOC",                // XHDS
    "BACH DANG",                 // XVAE
    "BEN THUY",                  // XVFA
    "CUU LONG",                  // XVIK
    "DONG DA",                   // XVNG
    "TAM DAO",                   // XVUH
    "HONG HA",                   // XVYI
    "BASSEIN",                   // XYLV
    "SAGAING",                   // XYNX
    "MOULMEIN",                  // XZKT
    "MYITKYINA",                 // XZYY
    "DRESDEN",                   // Y2IG
    "SCHWEDT",                   // Y3NT
    "VOELKERFREUNDSCHAFT",       // Y4TL
    "STRALSUND",                 // Y4WN
    "THOMAS MUENTZER",           // Y5AX
    "GREIFSWALD",                // Y5TT
    "EISENHUETTENSTADT",         // Y7FE
    "SASSNITZ",                  // Y7XW
    "LEUNA",                     // Y8QG
    "GEORG BUECHNER",            // Y9KC
    "TAMPOMAS",                  // YBEC
    "MERAPI",                    // YBEU
    "MAHAKAM",                   // YCOL
    "GUNUNG DJATI",              // YDFV
    "BANDA NEIRA",               // YDPR
    "DJAKARTA RAYA",             // YEJD
    "KRAKATAU",                  // YFCS
    "SOROAKO",                   // YFUS
    "MUSI",                      // YHYH
    "TADMOR",                    // YKKN
    "UGARIT",                    // YKUI
    "DACIA",                     // YQAK
    "MOINESTI",                  // YQAV
    "CEAHLAU",                   // YQGO
    "RETEZAT",                   // YQGR
    "GALATI",                    // YQHV
    "PETROBRAZI",                // YQMT
    "TRANSILVANIA",              // YQTU
    "BUCEGI",                    // YREN
    "MIHAI EMINESCU",            // YRJA
    "OLTENIA",                   // YROW
    "MANGALIA",                  // YRRZ
    "BANAT",                     // YRYS
    "MOSTAR",                    // YTDR
    "KORCULA",                   // YTGW
    "NERETVA",                   // YTKN
    "PANCEVO",                   // YTPR
    "DURMITOR",                  // YTUL
    "BAKAR",                     // YTZU
    "DRINA",                     // YUCT
    "LOVCEN",                    // YUHI
    "KOZARA",                    // YUIC
    "DUBROVNIK",                 // YUJB
    "TRIGLAV",                   // YUJD
    "OPATIJA",                   // YUJT
    "SUTJESKA",                  // YUOR
    "JADRAN",                    // YUTK
    "HVAR",                      // YUTP
    "CARONI",                    // YVJB
    "PARAGUANA",                 // YVUU
    "MORICHAL",                  // YWAI
    "ANZOATEGUI",                // YWOI
    "CUMANA",                    // YXAL
    "BARINAS",                   // YYBQ
    "GUARICO",                   // YYJT
    "GUAYANA",                   // YYQG
    "DURRESI",                   // ZAHH
    "VLORA",                     // ZAOL
    "TOMORI",                    // ZAUD
    "WAIKARE",                   // ZKBP
    "TARANAKI",                  // ZKCM
    "KARITANE",                  // ZKSV
    "RANGATIRA",                 // ZKUK
    "NEW ZEALAND PACIFIC",       // ZLEF
    "HAWEA",                     // ZMHX
    "ROTOITI",                   // ZMSY
    "SALDANHA",                  // ZSBC
    "KOMATI",                    // ZSBV
    "S.A. VAAL",                 // ZSHU
    "DRAKENSBERG",               // ZSID
    "WOLRAAD WOLTEMADE",         // ZTAX
    "THABAZIMBI",                // ZUGU
    "S.A. ORANJE",               // ZUNU
    "SISHEN",                    // ZUPG
};

const char vsl_type_motorcargo[190][6] = {
    "3EAM", "3ELF", "3EYY", "4KCU", "4SYQ", "5AAV", "5BGB", "5BMO", "5NOU", "6KAE", "7YAB", "9GXA", "9HJK", "9KAJ",
    "9MGU", "9VNS", "9WPI", "A6FR", "AQXH", "AUIY", "BEKP", "BMHW", "BSIB", "BVAY", "C4CV", "C6TO", "CDBR", "CLCL",
    "CMFB", "CMXX", "CRSL", "CURQ", "D5CT3", "DBFN", "DCJE", "DDLE", "DFLK", "DJBM", "DLCK", "DNQP", "DPBC", "DQDB",
    "DURG", "DWMU", "DYND", "ECXL", "EGDS", "EHXO", "ELAA4", "ELCA4", "ELFL4", "ELLK7", "ELUT3", "EQPL", "FNVA",
    "FPFB", "FQHG", "FRVK", "FWMA", "FYRC", "GBHO", "GDZH", "GFBF", "GGBF", "GIPB", "GLLO", "GMED", "GNCI", "GOFL",
    "GOZA", "GPMF", "GQKG", "GQWN", "GSNX", "GTFT", "GTSG", "GVGJ", "GWQV", "GXMG", "GYMB", "HAJA", "HBDR", "HDZV",
    "HKYB", "HMFT", "HOGA", "HORF", "HPEO", "HPSJ", "HQRX", "HSJE", "IFSC", "INSX", "IXJP", "JACU", "JBXK", "JDHM",
    "JEGP", "JHCV", "JKJF", "JMNV", "JODE", "JPKW", "JQTV", "KKUS", "LCBC4", "LHXI8", "LKVB8", "LSST", "LYEN", "LZKV",
    "LZTP", "MSKM", "ODCT", "ODSU", "OJUC", "OKYO", "ORCW", "OWGH", "OWSR", "OZBH", "P5ZV", "PDKD", "PEAV", "PEZP",
    "PGTM", "PQUK", "PTTY", "PYTG", "SFAF", "SKRJ", "SPAJ", "SPLY", "SPTX", "SPYP", "SQVD", "SRII", "SRNY", "SRTT",
    "SSFK", "SSVT", "SVXQ", "SWGA", "SWMW", "SXBW", "SXMG", "SYBT", "SYMR", "SYTT", "SYZN", "SZKO", "SZON", "TCEM",
    "TCOO", "TCTH", "TCZH", "UBJK", "UCQG", "UDIJ", "UFKM", "UGZA", "UJGW", "UKYT", "UNOH", "UQTS", "USNK", "UTLW",
    "UWIP", "UWYX", "UYGK", "UZKH", "VFCW", "VRCG8", "VRVU3", "VVEA", "VVHI", "VVTT", "VWFB", "VWNR", "XCJJ", "XVFA",
    "XYNX", "Y5AX", "YDPR", "YKUI", "YRRZ", "YUHI", "YUTP", "YYJT", "ZKCM",
};

const char vsl_type_ore[92][6] = {
    "3EMH", "3FVO", "4XAX", "6NDN", "7UIY", "9VVT", "AQXB", "BHPL", "BMNV", "BTIG", "C4XY", "COAQ", "DDRJ", "DHIV",
    "DJCD", "DLKA", "DWES", "DYZJ", "EDXD", "EIEL", "ELGH9", "ELVV3", "ELYD2", "FNAN", "FQBS", "GBJA", "GIGA", "GLOK",
    "GNWU", "GZOS", "HMHS", "HPIS", "IGAF", "IXHE", "JADG", "JCBL", "JDAY", "JDWQ", "JIFX", "JKAY", "JPXJ", "KWZE",
    "KXRN", "LCEB8", "LDDP8", "LGEH6", "LNCX7", "LROS", "LZDI", "LZPQ", "OHOV", "OKYH", "OVJR", "P3QU", "PFPE",
    "PSJR", "PXEN", "SDGH", "SJLJ", "SLJR", "SPNJ", "SPUN", "SREL", "SRPD", "SRXH", "SWFH", "SXBN", "SYKO", "SZHH",
    "SZQO", "TCEH", "TCSA", "UCUY", "UFVK", "UPUK", "UTJT", "UVMP", "UZWT", "VEZP", "VKKV", "VNIL", "VVZY", "VWLG",
    "VWTW", "WFGK", "WOFX", "WYMR", "YFUS", "YQGR", "YTUL", "YVJB", "ZSBC",
};

const char vsl_type_motortanker[51][6] = {
    "3EIA", "4KEE", "5AZH", "9HWP", "9MOI", "A7YM", "AUCV", "BUEL", "CDND", "CSXT", "DBWC", "DMQF", "EBLR", "ELPN3",
    "FPTE", "FTOB", "GBFD", "GJJH", "GONJ", "GQOW", "GXRQ", "GZOX", "HDNL", "HSQQ", "IFNN", "JEQF", "JQIV", "KLMQ",
    "LAEL4", "LGHM4", "LPSL", "LZBE", "OJUK", "OVQH", "P3ZW", "PFQZ", "PXRV", "SKDZ", "SPYD", "SVWB", "SZJM", "TCTF",
    "UCFP", "UKZZ", "UOFL", "UVOK", "VDOG", "VWUZ", "XCNY", "Y8QG", "YTPR",
};

const char vsl_type_steamcargo[16][6] = {
    "9HEB", "DCCW", "GCWP", "GXGD", "KCON", "KFFZ", "KIUO", "KKIX", "KNPS", "KUSF", "ODEL", "SWMC", "UEHW", "UZUL",
    "WJBE", "WQNL",
};

const char vsl_type_cc[9][6] = {
    "4XDS", "DATZ", "FOUF", "GTKN", "JSMV", "KRTB", "PELV", "URFM", "WRVG",
};

const char vsl_type_refrigatedcargo[16][6] = {
    "4XHI", "CNXR", "DGBE", "ELGW6", "FTHC", "GQSQ", "HKNH", "HRCH", "JQBD", "LATU2", "PCXZ", "SPPX", "TCOZ", "UCFC",
    "UKCZ", "UTPH",
};

const char vsl_type_steamtanker[25][6] = {
    "3FOG", "9KIH", "DLEA", "ELMR7", "ELUN2", "EPRK", "FXMF", "GJAI", "IMVO", "JHYL", "KBEP", "KHDG", "KKFR", "KMTR",
    "KOBV", "KTBP", "LETQ9", "LMXU5", "PHBV", "SVKF", "TCHM", "UFXT", "UYKW", "WJHL", "WVVZ",
};

const char vsl_type_motorpassanger[13][6] = {
    "3VEE", "ATAT", "DKBN", "EDCI", "FZLR", "INSM", "LFFO6", "LZWE", "PDPI", "SLLI", "TCIK", "UNYF", "VLGL",
};

const char vsl_type_steampassanger[18][6] = {
    "4XCA", "AWJF", "CNWC", "CUOZ", "DWZK", "FTGD", "GRHE", "GYAL", "IVKO", "KDIO", "KIXM", "LHVO9", "PETF", "SRAT",
    "TCFL", "UUGY", "WIDB", "YTGW",
};

const char vsl_type_trawler[23][6] = {
    "3FWW", "CMBZ", "CUXN", "DNNV", "EHJR", "FXYP", "GDPP", "GMUM", "GWDT", "HOKM", "JGQE", "KFWB", "KWUS", "LZDJ",
    "PCVM", "SPJD", "SQXE", "UAAH", "UEVP", "UJDM", "UPLA", "UUNQ", "WDCC",
};

const char qtc_700_cs[37][6] = {
    "3EAM", "5AQI", "9HTV", "AQZC", "BTAZ", "CMFB", "DDEG", "DPDN", "EGDS", "ELSE7", "FTOB", "GFBF", "GNNX", "GTIY",
    "GZOX", "HORF", "INLS", "JEKV", "JONQ", "KGED", "KUTH", "LKRJ8", "MYFV", "OVJR", "PFBF", "SFYK", "SQDL", "SSRW",
    "SYCT", "TCIP", "UDDD", "UMND", "UUIN", "VDMW", "VWFB", "WRQA", "YQGR",
};

const char vsl_qrc_px_1[12][3] = {"", "5A", "C2", "CB", "HM", "HS", "P5", "P7", "S2", "TC", "XV", "YY"};
const char vsl_qrc_px_2[12][5] = {"", "LY02", "ZV01", "CL01", "KP01", "TH01", "KP01", "KP01", "GB08", "TR01", "VT02", "VE01"};
const char qrc[11][5] = {"BE02", "ES01", "GB01", "GB02", "GR21", "PL02", "SU04", "TH01", "US02", "US03", "VT01"};
// clang-format on

}  // namespace kestrel
