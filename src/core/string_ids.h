#pragma once
// Names of the string-table entries (texts in string_table.cpp). Entries
// with numbers below 20000 or from 57000 on are the program's historical
// resource ids; 20000-29999 hold the texts that had none, in blocks:
// 20000 application, 20100 heat loss and layers, 20400 database, climate and
// costs, 21000 flowing media, 21200 tank, 21400 external condensation, 21600
// internal condensation, 21800 frost, 22000 economy, 22250 sound trap, 22500
// pages, 22800 main window.
//
// Naming: plain English for what the text is; `Fmt` + unit + decimals for the
// one-number formats that FormatValue takes ("%.1f °C" is FmtCelsius1); `Label`
// for the field names that RangeCheck puts into its message. When two ids hold
// the same text, the second name carries its id as a suffix (HeatLoss_62315).
namespace kav::ids {

// Document and application
inline constexpr int DocumentTemplate = 2;
inline constexpr int AppTitle = 57344;
inline constexpr int WrongVersion = 20000;
inline constexpr int HelpViewerFailed = 20001;
inline constexpr int TextFileOpenFailed = 20002;
inline constexpr int Yes = 20003;
inline constexpr int No = 20004;
inline constexpr int FmtNumber0 = 20005;
inline constexpr int FmtNumber1 = 20006;
inline constexpr int FmtNumber2 = 20007;
inline constexpr int DialogNotAvailable = 20008;
inline constexpr int DocumentOpenFailed = 20009;
inline constexpr int DocumentDamaged = 20010;
inline constexpr int DocumentSaveFailed = 20011;
// A calculation refused with its reason (a phrase in lower case, such as
// NoFreeSectionInDuct).
inline constexpr int CalculationNotPossible = 20012;
inline constexpr int EmptyNameIllegal = 61209;
inline constexpr int NameAlreadyUsed = 61210;
inline constexpr int RangeCheck = 61243;
inline constexpr int NotANumber = 61713;
inline constexpr int NumberOutOfRange = 61715;
inline constexpr int TextTooLong = 61716;
inline constexpr int ListIsEmpty = 341;
inline constexpr int ConfirmDelete = 61208;

// Heat loss
inline constexpr int HeatLossCalculation = 20100;       // table heading and page title
inline constexpr int GivenInsulationThickness = 20101;  // criterion 0; sound-trap input row
inline constexpr int CriterionGivenSurfaceTemperature = 20102;
inline constexpr int CriterionGivenMaxHeatLoss = 20103;
inline constexpr int CriterionRecommendedThickness = 20104;
inline constexpr int GeometryPipe = 62360;
inline constexpr int GeometryCircularDuct = 62361;
inline constexpr int GeometryRectangularDuct = 62362;
inline constexpr int GeometryInternallyInsulatedDuct = 62663;
inline constexpr int GeometryFlatOutside = 20105;
inline constexpr int GeometryFlatInside = 20106;
inline constexpr int SurroundingsIndoors = 20107;
inline constexpr int SurroundingsOutdoors = 20108;
inline constexpr int SurroundingsUserCoefficient = 20109;
inline constexpr int ResultsHeading = 62312;
inline constexpr int InputValuesHeading = 62408;
inline constexpr int RequiredThicknessHeading = 62522;
inline constexpr int StandardThicknessHeading = 62523;
inline constexpr int SurfaceTemperatureInsulation = 62317;
inline constexpr int InterfaceTemperature = 62318;
inline constexpr int HeatLoss_62315 = 62315;  // result row of the heat-loss module
inline constexpr int OuterHeatTransferCoefficient = 62450;
inline constexpr int TotalHeatLoss = 62451;
inline constexpr int AccessoryHeatLoss = 12;
inline constexpr int TotalHeatLossInclAccessories = 13;
inline constexpr int AnnualEnergyLoss = 62444;
inline constexpr int AnnualEnergyCost = 62445;
inline constexpr int BareHeatLoss = 62448;
inline constexpr int BareAnnualEnergyLoss = 62605;
inline constexpr int BareAnnualEnergyCost = 62606;
inline constexpr int CalculatedInsulationQuantity = 62646;
inline constexpr int CalculatedInsulationQuantityLayer1 = 62644;
inline constexpr int CalculatedInsulationQuantityLayer2 = 62645;
inline constexpr int SavedCo2Emission = 62677;
inline constexpr int RequiredInsulationThickness = 62452;
inline constexpr int NearestStandardThickness = 62458;
inline constexpr int InsulationThickness = 62348;
inline constexpr int InsulationClass = 20110;
inline constexpr int PipeDuctType = 62359;
inline constexpr int PipeDuctDiameter = 62364;
inline constexpr int DuctHeight = 62366;
inline constexpr int DuctWidth = 62368;
inline constexpr int PipeDuctLength = 62370;
inline constexpr int FlatArea = 20111;
inline constexpr int CalculationCriterion = 20112;
inline constexpr int ThicknessLayer1 = 20113;
inline constexpr int ThicknessLayer2 = 20114;
inline constexpr int SurfaceTemperature = 20115;
inline constexpr int MaxHeatLoss = 20116;
inline constexpr int InsulationProductLayer1UserDefined = 20117;
inline constexpr int InsulationProductLayer1Standard = 20118;
inline constexpr int InsulationProductLayer2UserDefined = 20119;
inline constexpr int InsulationProductLayer2Standard = 20120;
inline constexpr int MediumTemperature = 62409;
inline constexpr int AmbientTemperature = 62395;
inline constexpr int Surroundings = 62397;
inline constexpr int WindSpeed = 62401;
inline constexpr int HeatTransferCoefficient = 62404;
inline constexpr int Accessory = 62405;
inline constexpr int OperatingTime = 62411;
inline constexpr int EnergyPrice = 62413;
inline constexpr int Co2Emission = 20121;
inline constexpr int UninsulatedHangers = 19;
inline constexpr int InternalInsulationTitle = 62670;
inline constexpr int InternalInsulationLine1 = 62671;
inline constexpr int InternalInsulationLine2 = 62672;
inline constexpr int FmtCelsius1 = 62466;
inline constexpr int FmtWattPerMetre1 = 62385;
inline constexpr int FmtWattPerSquareMetre1 = 62453;
inline constexpr int FmtWattPerSquareMetreKelvin1 = 62459;
inline constexpr int FmtWatt0 = 62454;
inline constexpr int FmtKilowattHourPerYear0 = 62455;
inline constexpr int FmtKronePerYear0 = 62456;
inline constexpr int FmtSquareMetre2 = 62467;
inline constexpr int FmtKilogram0 = 62678;
inline constexpr int FmtMetre2 = 20122;
inline constexpr int FmtMetrePerSecond1 = 20123;
inline constexpr int FmtHoursPerYear0 = 20124;
inline constexpr int FmtOrePerKilowattHour1 = 20125;
inline constexpr int FmtGramPerKilowattHour0 = 20126;
inline constexpr int ThicknessTooLarge = 62513;
inline constexpr int NoRoomForInsulation = 20127;
inline constexpr int NoRoomForRequiredThickness = 20128;
inline constexpr int NoRoomForStandardThickness = 20129;
inline constexpr int LayersMustBeChosenAgain = 61261;
inline constexpr int SelectInsulationProduct = 62535;
inline constexpr int MediumAboveProductMaxTemperature = 62571;
inline constexpr int AmbientAboveProductMaxTemperature = 62572;
inline constexpr int TooSmallTemperatureDifference = 62526;
inline constexpr int SelectAccessoryType = 20130;
inline constexpr int LabelDiameter = 20131;
inline constexpr int LabelHeight = 20132;
inline constexpr int LabelWidth = 20133;
inline constexpr int LabelFlatArea = 20134;
inline constexpr int LabelPipeLength = 20135;
inline constexpr int LabelEnergyPrice = 20136;
inline constexpr int LabelOperatingTime = 20137;
inline constexpr int LabelWindSpeed = 20138;
inline constexpr int LabelOuterCoefficient = 20139;
inline constexpr int LabelSurfaceTemperature = 20140;
inline constexpr int LabelHeatLoss = 20141;
inline constexpr int CalculationInputInvalid = 20142;

// Insulation layers and accessories
inline constexpr int LayerSummaryWithThickness = 20200;
inline constexpr int LayerSummary = 20201;
inline constexpr int SeriesThicknessNote = 20202;  // series name and its thickness
inline constexpr int InsulationProductStandard = 62430;
inline constexpr int InsulationProductUserDefined = 62431;
inline constexpr int InsulationThicknessUserDefined = 20203;
inline constexpr int InsulationThicknessStandard = 20204;
inline constexpr int ThicknessNameMillimetre = 20205;  // thickness-row name followed by its unit
inline constexpr int Jacketing = 20206;
inline constexpr int NoJacketing = 20207;
inline constexpr int DuctOuterSurface = 20208;
inline constexpr int UserDefined = 20209;
inline constexpr int SurfaceEmissivity = 62393;
inline constexpr int LambdaTemperature1 = 20210;
inline constexpr int LambdaTemperature2 = 20211;
inline constexpr int LambdaTemperature3 = 20212;
inline constexpr int LambdaTemperature4 = 20213;
inline constexpr int LambdaAtTemperature = 20214;  // conductivity, then temperature
inline constexpr int AccessoryName = 20215;
inline constexpr int PipeDiameterRange = 20216;
inline constexpr int MinPipeDiameterForThickness = 62561;
inline constexpr int MaxPipeDiameterForThickness = 62560;
inline constexpr int MinPipeDiameterForSeries = 62576;
inline constexpr int MaxPipeDiameterForSeries = 62575;
inline constexpr int OwnThicknessBelowStandardRange = 62579;
inline constexpr int OwnThicknessAboveStandardRange = 62578;
inline constexpr int SelectInsulationThickness = 62577;
inline constexpr int SelectHoseSeries = 62549;
inline constexpr int SelectJacketing = 62533;
inline constexpr int SelectInnerJacketing = 62623;
inline constexpr int SelectSurface = 62565;
inline constexpr int LabelThickness = 61253;
inline constexpr int LabelHoseThickness = 62298;
inline constexpr int LabelEmissivity = 61265;
inline constexpr int LabelSurfaceEmissivity = 61269;
inline constexpr int LabelInnerJacketingEmissivity = 61268;

// Database and products
inline constexpr int DatabaseValueChanged = 61229;
inline constexpr int RemovedInsulationProduct = 61232;
inline constexpr int RemovedHoseProduct = 58112;
inline constexpr int RemovedAbsorptionProduct = 61230;
inline constexpr int RemovedJacketing = 61235;
inline constexpr int RemovedSurface = 61245;
inline constexpr int RemovedInnerJacketing = 61247;
inline constexpr int RemovedAccessoryType = 61234;
inline constexpr int RemovedLiquid = 61231;
inline constexpr int RemovedUserProduct = 11;
inline constexpr int ReplacementDialogTitle = 20400;
inline constexpr int ReplacementDialogPlaceholder = 20401;
inline constexpr int SelectValueInList = 61255;
inline constexpr int DatabaseReadFailed = 62511;
inline constexpr int DatabaseWriteFailed = 62512;
inline constexpr int RequiredThicknessBelowMinDiameter = 62569;
inline constexpr int RequiredThicknessAboveMaxDiameter = 62568;
inline constexpr int StandardThicknessPhrase = 62581;  // fills the last %s of 62568/62569
inline constexpr int PipeDiameterTooSmall = 62566;
inline constexpr int PipeDiameterTooLarge = 62567;
inline constexpr int MustInsulateInSeveralLayers = 62460;
inline constexpr int SeriesStepName = 62340;
inline constexpr int AccessoryLengthBandName = 20402;
inline constexpr int AtLeastOneFieldOfUse = 22;
inline constexpr int AtLeastOneThickness = 61254;
inline constexpr int StandardThicknessBelowMin = 61257;
inline constexpr int StandardThicknessAboveMax = 61256;
inline constexpr int MaxDiameterBelowMin = 62570;
inline constexpr int AtLeastOneSeries = 62299;
inline constexpr int MinStandardDiameterRange = 62563;
inline constexpr int MaxStandardDiameterAtLeast = 62562;
inline constexpr int PipeDiameterAlreadyInSeries = 62335;
inline constexpr int AtLeastOneAdditionalLength = 61271;
inline constexpr int ThicknessInUse = 61260;
inline constexpr int ElementInUse = 61211;
inline constexpr int AcceptDatabaseChanges = 61213;
inline constexpr int DiscardDatabaseChanges = 61212;
inline constexpr int UserDatabaseReadFailed = 20403;

// Climate locations
inline constexpr int ClimateFileReadFailed = 62607;
inline constexpr int ClimateFileWriteFailed = 62608;
inline constexpr int SelectClimateLocation = 62609;
inline constexpr int ClimateChangesNotSaved = 62610;
inline constexpr int ClimateDisplayLine = 20404;  // name, mean temperature, mean wind speed

// Insulation costs
inline constexpr int CostFileFailed = 62616;  // shown on loading and on saving
inline constexpr int SelectCostData = 62614;
inline constexpr int CostListChangesNotSaved = 62615;
inline constexpr int CostDisplaySuffix = 20700;  // appended to the entry name: price, unit word
inline constexpr int UnitMetre = 20701;
inline constexpr int UnitSquareMetre = 20702;
inline constexpr int LabelCost = 20703;

// Flowing media
inline constexpr int InletTemperatureFirstSegment = 62319;
inline constexpr int SegmentName = 62320;
inline constexpr int OutletTemperatureShort = 62321;
inline constexpr int HeatLoss = 62322;
inline constexpr int OuterHeatTransferCoefficientShort = 62441;
inline constexpr int InnerHeatTransferCoefficientShort = 62442;
inline constexpr int HeatEnergyCostHeading = 62504;
inline constexpr int AllSegmentsHeatLossHeading = 62505;
inline constexpr int AverageHeatLoss = 62506;
inline constexpr int InsulationQuantity = 62665;
inline constexpr int Total = 62666;
inline constexpr int Layer1Suffix = 21000;
inline constexpr int Layer2Suffix = 21001;
inline constexpr int FlowingMediumHeading = 62415;
inline constexpr int Medium = 62416;
inline constexpr int Air = 21002;
inline constexpr int MediumDensity = 62418;
inline constexpr int MediumHeatCapacity = 62420;
inline constexpr int MediumFreezingPoint = 62518;
inline constexpr int InletTemperature = 62426;
inline constexpr int SegmentHeading = 62429;
inline constexpr int NoInsulation = 62503;
inline constexpr int NotApplicable = 21003;
inline constexpr int TwoLayerInsulation = 62664;
inline constexpr int PipeDuctSurface = 62564;
inline constexpr int MediumFlowIntoSegment = 62447;
inline constexpr int NewSegmentName = 21004;
inline constexpr int SegmentDescriptionPipe = 21005;
inline constexpr int SegmentDescriptionCircularDuct = 21006;
inline constexpr int SegmentDescriptionRectangularDuct = 21007;
inline constexpr int FmtWatt1 = 21008;
inline constexpr int FmtKilogramPerCubicMetre0 = 21009;
inline constexpr int FmtJoulePerKilogramKelvin0 = 21010;
inline constexpr int FmtCubicMetrePerHour2 = 21011;  // pipe flow
inline constexpr int FmtCubicMetrePerHour0 = 21012;  // duct flow
inline constexpr int FmtLitrePerSecond2 = 21013;     // pipe flow
inline constexpr int FmtLitrePerSecond1 = 21014;     // duct flow
inline constexpr int FmtMetrePerSecond2 = 21015;
inline constexpr int FlowLabelCubicMetrePerHour = 61220;
inline constexpr int FlowLabelLitrePerSecond = 61218;
inline constexpr int FlowLabelMetrePerSecond = 61219;
inline constexpr int InletTemperatureAboveProductMax = 62573;
inline constexpr int BelowDewPointAtSegmentOutlet = 62667;
inline constexpr int MediumFreezesInSegment = 62519;
inline constexpr int TooManySegments = 62462;
inline constexpr int AllSegmentsDeleted = 61241;
inline constexpr int SegmentListEmpty = 61251;
inline constexpr int SelectLiquid = 62532;
inline constexpr int LabelDensity = 21016;
inline constexpr int LabelHeatCapacity = 21017;
inline constexpr int LabelFreezingPoint = 21018;
inline constexpr int LabelInletTemperature = 21019;
inline constexpr int LabelFlow = 21020;
inline constexpr int LabelInnerCoefficient = 21021;

// Tank temperature
inline constexpr int TankHeading = 62323;
inline constexpr int LiquidTemperatureAfterStorage = 62325;
inline constexpr int SurfaceTemperatureAfterStorage = 62652;
inline constexpr int OuterHeatTransferCoefficient_62482 = 62482;
inline constexpr int SurfaceArea = 62483;
inline constexpr int Volume = 62484;
inline constexpr int EnergyChangeDuringStorage = 62326;
inline constexpr int HeatLossAtStart = 62653;
inline constexpr int FreezingPointReachedAfter = 62515;
inline constexpr int TankGraphTemperatureAxis = 62463;
inline constexpr int TankGraphTimeAxis = 62464;
inline constexpr int TankGraphCurve = 62465;
inline constexpr int TankShape = 62470;
inline constexpr int ShapeBox = 21200;
inline constexpr int ShapeCylinder = 21201;
inline constexpr int ShapeSphere = 21202;
inline constexpr int Diameter = 62472;
inline constexpr int LengthHeight = 62474;
inline constexpr int Height = 62475;
inline constexpr int Width = 62476;
inline constexpr int Depth = 62477;
inline constexpr int MediumStartTemperature = 62480;
inline constexpr int StorageTime = 62485;
inline constexpr int FmtCubicMetre3 = 21203;
inline constexpr int FmtKilowattHour1 = 21204;
inline constexpr int FmtHours1 = 21205;
inline constexpr int FreezingBeforeStorageEnds = 62514;
inline constexpr int LabelLength = 21206;
inline constexpr int LabelDepth = 21207;
inline constexpr int LabelStartTemperature = 21208;
// Reasons a tank calculation is refused (CalculationNotPossible).
inline constexpr int ReasonStartAtAmbient = 21209;
inline constexpr int ReasonStartBelowFreezing = 21210;
inline constexpr int ReasonLiquidOrTimeNotPositive = 21211;
inline constexpr int ReasonInsulationNotUsable = 21212;

// External condensation
inline constexpr int ExternalCondensationHeading = 62332;  // also the page title
inline constexpr int GeometryCircularDuctInside = 21400;
inline constexpr int GeometryRectangularDuctInside = 21401;
inline constexpr int DewPointTemperature = 62334;
inline constexpr int DuctSurfaceTemperature = 62641;
inline constexpr int InsulationQuantityPerMetre = 62673;
inline constexpr int OuterDiameter = 62634;
inline constexpr int OuterHeight = 62635;
inline constexpr int OuterWidth = 62636;
inline constexpr int InsulationProductSecondLayerStandard = 62638;
inline constexpr int InsulationProductSecondLayerUserDefined = 62639;
inline constexpr int RelativeHumidity = 62486;
inline constexpr int FmtPercent1 = 21402;
inline constexpr int RoomCeilingVoid = 21403;
inline constexpr int RoomFoodProduction = 21404;
inline constexpr int RoomParkingPoorlyVentilated = 21405;
inline constexpr int RoomParkingVentilated = 21406;
inline constexpr int RoomOfficeSchoolHospital = 21407;
inline constexpr int RoomPipeDuctHumid = 21408;
inline constexpr int RoomPipeDuctDry = 21409;
inline constexpr int RoomTechnical = 21410;
inline constexpr int SelectRoomType = 62651;
// Reasons of a refused calculation (CalculationNotPossible); the internal
// module refuses with the humidity, dimension and finite-value ones too.
inline constexpr int ReasonHumidityRange = 21411;
inline constexpr int ReasonUnknownObjectCode = 21412;
inline constexpr int ReasonDimensionNotPositive = 21413;
inline constexpr int ReasonOuterLayerWithoutThickness = 21414;
inline constexpr int ReasonNoFiniteResult = 21415;
inline constexpr int ReasonStoredValueNotFinite = 21417;
inline constexpr int StandardThicknessNoRoom = 21416;  // the standard thickness in mm

// Internal condensation
inline constexpr int InternalCondensationHeading = 62336;  // also the page title
inline constexpr int OutletMediumTemperature = 62488;
inline constexpr int InnerSurfaceTemperatureAtOutlet = 62539;
inline constexpr int DuctType = 62489;
inline constexpr int TooSmallInletTemperatureDifference = 62527;
inline constexpr int ReasonInletAtAmbient = 21600;
inline constexpr int ReasonUnknownDuctCode = 21601;
inline constexpr int ReasonNoFlow = 21602;

// Frost protection
inline constexpr int FrostHeading = 62327;
inline constexpr int CoolingTime = 62355;
inline constexpr int FreezingTime = 62329;
inline constexpr int TotalFrostBurstTime = 62330;
inline constexpr int PowerToAvoidFreezing = 62331;
inline constexpr int FreezingDegree = 62346;
inline constexpr int FmtPercent0 = 21800;
// Reasons a frost calculation is refused (CalculationNotPossible).
inline constexpr int ReasonFrostAmbientNotBelowZero = 21801;
inline constexpr int ReasonFrostStartBelowZero = 21802;
inline constexpr int ReasonFrostDegreeRange = 21803;
inline constexpr int ReasonFrostNoHeatFlow = 21804;

// Economic insulation
inline constexpr int EconomicInsulation = 22000;  // table heading and page title
inline constexpr int ThicknessPriceHeading = 22001;
inline constexpr int EnergyCostHeading = 22002;
inline constexpr int InvestmentCostHeading = 22003;
inline constexpr int TotalCostHeading = 22004;
inline constexpr int PaybackTimeHeading = 22005;
inline constexpr int InsulationThicknessLayer1 = 22006;
inline constexpr int StandardSolutionLabel = 62655;
inline constexpr int Uninsulated = 62674;
inline constexpr int SolutionName = 62396;  // product, thickness text, price, unit word
inline constexpr int DepreciationTime = 22007;
inline constexpr int EnergyPriceIncrease = 22008;
inline constexpr int RealInterest = 22009;
inline constexpr int FmtMillimetre1 = 62457;
inline constexpr int FmtWattPerSquareMetre1_62386 = 62386;
inline constexpr int FmtKilogramPerMetre0 = 62681;
inline constexpr int FmtKilogramPerSquareMetre0 = 62680;
inline constexpr int FmtKronePerMetre2 = 62499;
inline constexpr int FmtKronePerSquareMetre2 = 62500;
inline constexpr int FmtPaybackYears1 = 62656;
inline constexpr int FmtYears1 = 22010;
inline constexpr int FmtPercent2 = 22011;
inline constexpr int AtLeastOneAlternative = 61228;
inline constexpr int TooManyAlternatives = 62502;
inline constexpr int AlternativeAlreadyAdded = 62613;
inline constexpr int ObjectTypeChangeResetsAlternatives = 61262;
// Field names of the economic dialog's range messages.
inline constexpr int LabelMediumTemperature = 22012;
inline constexpr int LabelAmbientTemperature = 22013;
inline constexpr int LabelCo2Factor = 22014;
inline constexpr int LabelDepreciationTime = 22015;
inline constexpr int LabelPriceIncrease = 22016;
inline constexpr int LabelRealInterest = 22017;

// Sound trap
inline constexpr int SoundTrapCalculation = 22250;  // table and graph title, page title
inline constexpr int DuctTypeCircular = 22251;
inline constexpr int DuctTypeRectangular = 22252;
inline constexpr int DuctTypeHorizontalBaffles = 22253;
inline constexpr int DuctTypeVerticalBaffles = 22254;
inline constexpr int Attenuation125Hz = 22255;
inline constexpr int Attenuation250Hz = 22256;
inline constexpr int Attenuation500Hz = 22257;
inline constexpr int Attenuation1000Hz = 22258;
inline constexpr int Attenuation2000Hz = 22259;
inline constexpr int Attenuation4000Hz = 22260;
inline constexpr int CriticalFrequency = 22261;
inline constexpr int AcousticCrossDimension = 22262;
inline constexpr int SoundGraphAttenuationAxis = 22263;
inline constexpr int SoundGraphFrequencyAxis = 22264;
inline constexpr int SoundGraphCurve = 22265;
inline constexpr int SoundTrapType = 22266;
inline constexpr int AbsorptionCoefficient125Hz = 22267;
inline constexpr int AbsorptionCoefficient250Hz = 22268;
inline constexpr int AbsorptionCoefficient500Hz = 22269;
inline constexpr int AbsorptionCoefficient1000Hz = 22270;
inline constexpr int AbsorptionCoefficient2000Hz = 22271;
inline constexpr int AbsorptionCoefficient4000Hz = 22272;
inline constexpr int FmtDecibelPerMetre1 = 62287;
inline constexpr int FmtHertz0 = 62491;
inline constexpr int FmtMillimetre1_62492 = 62492;
inline constexpr int ValidityTitle = 62582;
inline constexpr int ValidityLine1 = 62584;
inline constexpr int ValidityLine2 = 62585;
inline constexpr int ValidityLine3 = 62586;
inline constexpr int ValidityLine4 = 62587;
inline constexpr int ValidityLine5 = 62612;
inline constexpr int WarningTitle = 62620;
inline constexpr int CrossDimensionAbove430 = 62621;
inline constexpr int CrossDimensionAbove200 = 62622;
inline constexpr int SelectAbsorptionProduct = 62536;
inline constexpr int SoundTrapFilled = 62520;
inline constexpr int AbsorptionThicknessChanged = 61258;
inline constexpr int AbsorptionThicknessMissing = 61259;
inline constexpr int LabelUserThickness = 22273;
inline constexpr int LabelAbsorption = 22274;
// Reasons a sound-trap calculation is refused (CalculationNotPossible).
inline constexpr int SoundTrapNoProduct = 22275;
inline constexpr int SoundTrapNoFreeSection = 22276;
inline constexpr int SoundTrapUnknownDuctType = 22277;
inline constexpr int SoundTrapNotFinite = 22278;

// Pages, header, footer and graphs
inline constexpr int ProgramTitle = 61266;
inline constexpr int ProgramVersionLine = 62269;
inline constexpr int TimeDateLine = 62250;  // hour, minute, day, month, year
inline constexpr int ProjectNameLine = 62252;
inline constexpr int EngineerLine = 62253;
inline constexpr int FileNameLine = 62524;
inline constexpr int PageNumber = 62559;
inline constexpr int PageTitleFlowingMedia = 22500;
inline constexpr int PageTitleTank = 22501;
inline constexpr int PageTitleFrost = 22502;
inline constexpr int FooterContactLine1 = 22503;
inline constexpr int FooterContactLine2 = 22504;

// Main window and start-up
inline constexpr int TabHeatLoss = 3;
inline constexpr int TabFlowingMedia = 4;
inline constexpr int TabTankTemperature = 5;
inline constexpr int TabExternalCondensation = 6;
inline constexpr int TabInternalCondensation = 7;
inline constexpr int TabFrostProtection = 8;
inline constexpr int TabSoundTrap = 9;
inline constexpr int TabEconomy = 10;
inline constexpr int TextFileFilter = 22800;
inline constexpr int WelcomeCaption = 22801;
inline constexpr int DontShowAtStartup = 22802;
inline constexpr int GettingStartedCaption = 22803;
inline constexpr int GettingStartedLine1 = 22804;
inline constexpr int GettingStartedLine2 = 22805;
inline constexpr int GettingStartedLine3 = 22806;
inline constexpr int DontShowAtStartupOrNewCalculation = 22807;
inline constexpr int DocumentSaveFailedNoOldFile = 22808;
inline constexpr int RecentFileGone = 22809;
// Why a file could not be read or written (the second part of the messages
// above), for the errors of the file system.
inline constexpr int FileErrorNotFound = 22810;
inline constexpr int FileErrorNoAccess = 22811;
inline constexpr int FileErrorReadOnly = 22812;
inline constexpr int FileErrorDiskFull = 22813;
inline constexpr int FileErrorIsFolder = 22814;
inline constexpr int FileErrorNotAFolder = 22815;
inline constexpr int FileErrorNameTooLong = 22816;
inline constexpr int FileErrorDevice = 22817;
inline constexpr int FileErrorOther = 22818;

}  // namespace kav::ids
