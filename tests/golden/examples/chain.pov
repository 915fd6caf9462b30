#include "colors.inc"


camera {
  location <  0.56274E+01,   0.11194E+01,   0.28845E+02>
  look_at <0, 0, 0>
  sky <0, 1, 0>
}


light_source {
  <  0.33012E+01,   0.88456E+00,   0.38460E+02>
  color Gray50
}


light_source {
  <  0.15094E+02,  -0.19871E+01,   0.56816E+02>
  color Gray50
}


sphere {
  < -0.40240E+00, -0.47072E+01, -0.98903E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.32911E-01, -0.37836E+01, -0.88290E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.44989E+00, -0.29359E+01, -0.66396E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.11896E+01, -0.23596E+01, -0.31788E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.21371E+01, -0.20415E+01, -0.28641E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.28771E+01, -0.14617E+01,  0.53901E-01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.35581E+01, -0.11622E+01,  0.72227E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.44754E+01, -0.91837E+00,  0.10357E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.54460E+01, -0.71466E+00,  0.90210E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.62689E+01, -0.17274E+00,  0.72994E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.69524E+01,  0.55719E+00,  0.73410E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.78879E+01,  0.90905E+00,  0.71448E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.86404E+01,  0.14726E+01,  0.37238E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.94451E+01,  0.16390E+01, -0.19726E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.99738E+01,  0.10991E+01, -0.85265E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.96297E+01,  0.67072E+00, -0.16879E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.87413E+01,  0.47414E+00, -0.21032E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.79526E+01, -0.46625E-01, -0.24298E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.71463E+01, -0.55509E+00, -0.27323E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.65378E+01, -0.10319E+01, -0.33673E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.61066E+01, -0.14561E+01, -0.41629E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.55749E+01, -0.19834E+01, -0.48259E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.50298E+01, -0.23770E+01, -0.55657E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.46438E+01, -0.30085E+01, -0.62386E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.39286E+01, -0.36046E+01, -0.66047E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.31154E+01, -0.41850E+01, -0.65760E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.22246E+01, -0.46086E+01, -0.64092E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.14063E+01, -0.49200E+01, -0.59260E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.65019E+00, -0.52833E+01, -0.53814E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.18512E+00, -0.56501E+01, -0.49734E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.86676E+00, -0.63622E+01, -0.48039E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.13512E+01, -0.70738E+01, -0.42944E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.19299E+01, -0.78344E+01, -0.39978E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.25246E+01, -0.83866E+01, -0.34146E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.33405E+01, -0.86786E+01, -0.29152E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.38482E+01, -0.90290E+01, -0.21283E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.42237E+01, -0.88710E+01, -0.12155E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.44890E+01, -0.83127E+01, -0.42927E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.49092E+01, -0.79989E+01,  0.42214E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.55981E+01, -0.75041E+01,  0.95054E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.60278E+01, -0.70794E+01,  0.17483E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.61648E+01, -0.62429E+01,  0.22787E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.65842E+01, -0.53622E+01,  0.24948E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.72052E+01, -0.45796E+01,  0.25614E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.80751E+01, -0.41479E+01,  0.27977E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.86330E+01, -0.33434E+01,  0.30019E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.85305E+01, -0.23528E+01,  0.29062E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.82215E+01, -0.14398E+01,  0.26434E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.78826E+01, -0.71849E+00,  0.20384E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.76042E+01,  0.10333E+00,  0.15411E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.73391E+01,  0.89633E+00,  0.99268E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.71925E+01,  0.18019E+01,  0.59452E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.72925E+01,  0.26266E+01,  0.37635E-01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.69850E+01,  0.33081E+01, -0.62582E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.68936E+01,  0.40780E+01, -0.12573E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.65987E+01,  0.49925E+01, -0.15358E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.63371E+01,  0.59402E+01, -0.17205E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.53995E+01,  0.62677E+01, -0.16032E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.44729E+01,  0.64309E+01, -0.12663E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.37428E+01,  0.66182E+01, -0.60885E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.27877E+01,  0.66670E+01, -0.31419E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.20510E+01,  0.68865E+01,  0.32545E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.11314E+01,  0.71853E+01,  0.57957E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  < -0.38371E+00,  0.75191E+01,  0.11531E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.56510E+00,  0.77900E+01,  0.13158E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.14713E+01,  0.81472E+01,  0.10893E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.24668E+01,  0.81217E+01,  0.11776E+01>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.32760E+01,  0.75649E+01,  0.99048E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.39457E+01,  0.68974E+01,  0.66488E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.48614E+01,  0.65137E+01,  0.54067E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.55674E+01,  0.58087E+01,  0.47312E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.64096E+01,  0.52714E+01,  0.42872E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.69333E+01,  0.44291E+01,  0.29876E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.75618E+01,  0.36763E+01,  0.49618E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.80936E+01,  0.28797E+01,  0.78246E+00>,   0.50000E+00
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.86537E+01,  0.23371E+01,  0.14080E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.86315E+01,  0.14742E+01,  0.19137E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.81759E+01,  0.71089E+00,  0.23710E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.79518E+01, -0.15171E+00,  0.28240E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.75343E+01, -0.95138E+00,  0.32568E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.72067E+01, -0.16954E+01,  0.38387E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.70222E+01, -0.26359E+01,  0.41260E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.66892E+01, -0.35664E+01,  0.39746E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.60556E+01, -0.43389E+01,  0.40158E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.55825E+01, -0.52108E+01,  0.38884E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.51735E+01, -0.61202E+01,  0.38186E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.50146E+01, -0.70629E+01,  0.41123E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.42796E+01, -0.75902E+01,  0.45384E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.33880E+01, -0.77658E+01,  0.49568E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.24344E+01, -0.77035E+01,  0.46649E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.17563E+01, -0.73036E+01,  0.40476E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.12579E+01, -0.65533E+01,  0.36128E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.46000E+00, -0.60139E+01,  0.33446E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.49038E-01, -0.52062E+01,  0.30474E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.70690E+00, -0.44543E+01,  0.31068E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.12823E+01, -0.37778E+01,  0.35638E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.20123E+01, -0.31507E+01,  0.38361E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.25464E+01, -0.25474E+01,  0.44295E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.32759E+01, -0.22902E+01,  0.50637E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.39196E+01, -0.19300E+01,  0.57388E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.46271E+01, -0.18360E+01,  0.64386E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.52682E+01, -0.20290E+01,  0.71813E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.60374E+01, -0.14360E+01,  0.74197E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.61037E+01, -0.44365E+00,  0.73146E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.60731E+01,  0.22367E+00,  0.65703E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.56149E+01,  0.73333E+00,  0.58429E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.51855E+01,  0.93198E+00,  0.49619E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.51358E+01,  0.11650E+01,  0.39905E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.47774E+01,  0.12129E+01,  0.30583E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.42626E+01,  0.14513E+01,  0.22342E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.39578E+01,  0.20520E+01,  0.14952E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.38701E+01,  0.29265E+01,  0.10189E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.35811E+01,  0.37040E+01,  0.46027E+00>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.32696E+01,  0.46392E+01,  0.29177E+00>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.26127E+01,  0.53798E+01,  0.14650E+00>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.17254E+01,  0.58214E+01,  0.19355E-01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.86600E+00,  0.62113E+01,  0.35140E+00>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  < -0.20353E+00,  0.64969E+01,  0.10439E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.41600E+00,  0.67209E+01,  0.17962E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.12741E+01,  0.67839E+01,  0.23064E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.20383E+01,  0.67388E+01,  0.29494E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.28568E+01,  0.71057E+01,  0.33914E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.38350E+01,  0.70607E+01,  0.35930E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.48201E+01,  0.69219E+01,  0.34907E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.55387E+01,  0.66208E+01,  0.28644E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.58360E+01,  0.62294E+01,  0.19931E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.59496E+01,  0.54726E+01,  0.13506E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.59682E+01,  0.45348E+01,  0.10012E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.58213E+01,  0.35499E+01,  0.10811E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.61085E+01,  0.26190E+01,  0.13093E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.65411E+01,  0.17294E+01,  0.14581E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.69253E+01,  0.85031E+00,  0.17375E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.72590E+01, -0.83663E-01,  0.16093E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.74403E+01, -0.10666E+01,  0.15772E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.75617E+01, -0.20583E+01,  0.16173E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.79595E+01, -0.29211E+01,  0.19300E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.86492E+01, -0.36430E+01,  0.20004E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.90849E+01, -0.42008E+01,  0.12941E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.93515E+01, -0.45447E+01,  0.39405E+00>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.89894E+01, -0.44068E+01, -0.52801E+00>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.82655E+01, -0.39955E+01, -0.10815E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.76607E+01, -0.32447E+01, -0.13458E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.71711E+01, -0.25176E+01, -0.18269E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.63418E+01, -0.20449E+01, -0.21260E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.56978E+01, -0.16954E+01, -0.28066E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.53865E+01, -0.10700E+01, -0.35221E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.46983E+01, -0.63099E+00, -0.40992E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.37697E+01, -0.32358E+00, -0.43070E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.30394E+01,  0.34840E+00, -0.44344E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.24614E+01,  0.11630E+01, -0.44146E+01>,   0.50000E+00
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.16947E+01,  0.17452E+01, -0.41401E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.82077E+00,  0.19505E+01, -0.37009E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.17188E+00,  0.19350E+01, -0.35747E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.11218E+01,  0.16987E+01, -0.37801E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.20173E+01,  0.14359E+01, -0.41386E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.29663E+01,  0.13308E+01, -0.44360E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.39566E+01,  0.14572E+01, -0.44958E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.49140E+01,  0.16013E+01, -0.47466E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.58946E+01,  0.14307E+01, -0.46584E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.67525E+01,  0.93711E+00, -0.48077E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.75109E+01,  0.29910E+00, -0.46780E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.81802E+01, -0.37537E+00, -0.43671E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.82780E+01, -0.78141E+00, -0.34579E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.86189E+01, -0.13525E+01, -0.27118E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.81232E+01, -0.19774E+01, -0.21091E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.75866E+01, -0.24249E+01, -0.13933E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.73583E+01, -0.27822E+01, -0.48770E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.74776E+01, -0.30665E+01,  0.46346E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.72465E+01, -0.31191E+01,  0.14346E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.66640E+01, -0.33292E+01,  0.22205E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.60262E+01, -0.31665E+01,  0.29724E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.52455E+01, -0.32862E+01,  0.35872E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.48166E+01, -0.33219E+01,  0.44890E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.44306E+01, -0.29254E+01,  0.53221E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.42381E+01, -0.28955E+01,  0.63028E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.41147E+01, -0.25398E+01,  0.72294E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.37344E+01, -0.16871E+01,  0.75881E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.33918E+01, -0.81775E+00,  0.72343E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.31473E+01, -0.18568E+00,  0.64985E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.32312E+01,  0.66383E+00,  0.59775E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.28888E+01,  0.14756E+01,  0.55043E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.25043E+01,  0.23699E+01,  0.52769E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.21634E+01,  0.33093E+01,  0.53215E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.21380E+01,  0.42689E+01,  0.50426E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.20679E+01,  0.52038E+01,  0.46924E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.24248E+01,  0.60283E+01,  0.42542E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.24138E+01,  0.69770E+01,  0.39398E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.24716E+01,  0.72628E+01,  0.29838E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.22765E+01,  0.68232E+01,  0.21066E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.20847E+01,  0.60603E+01,  0.14903E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.18982E+01,  0.52788E+01,  0.89513E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.14971E+01,  0.46645E+01,  0.21490E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.73986E+00,  0.41665E+01, -0.20750E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.11208E+00,  0.38032E+01, -0.58379E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.95570E+00,  0.32676E+01, -0.62722E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.15375E+01,  0.24554E+01, -0.59216E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.22017E+01,  0.17540E+01, -0.85125E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.30329E+01,  0.13072E+01, -0.11826E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.36078E+01,  0.89348E+00, -0.18886E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.44661E+01,  0.61142E+00, -0.23187E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.52321E+01,  0.72503E+00, -0.29501E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.59814E+01,  0.11657E+01, -0.34454E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.67617E+01,  0.16421E+01, -0.38499E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.77036E+01,  0.16930E+01, -0.41807E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.86394E+01,  0.20463E+01, -0.41624E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.88884E+01,  0.27010E+01, -0.34488E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.84348E+01,  0.32891E+01, -0.27796E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.78473E+01,  0.36736E+01, -0.20678E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.69486E+01,  0.38302E+01, -0.16576E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.62410E+01,  0.38913E+01, -0.95349E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.53425E+01,  0.38912E+01, -0.51497E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.44482E+01,  0.41435E+01, -0.14635E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.35040E+01,  0.44622E+01, -0.54452E-01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.25123E+01,  0.44041E+01,  0.60413E-01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.15935E+01,  0.47962E+01,  0.10025E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.80818E+00,  0.53617E+01, -0.15068E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.79058E-01,  0.55990E+01, -0.54619E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.10169E+01,  0.57697E+01, -0.84951E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.19868E+01,  0.55706E+01, -0.99065E+00>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.29513E+01,  0.56440E+01, -0.12445E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.39215E+01,  0.56114E+01, -0.14844E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.47554E+01,  0.54335E+01, -0.20055E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.56162E+01,  0.55679E+01, -0.24978E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.62470E+01,  0.60675E+01, -0.30912E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.60728E+01,  0.61383E+01, -0.40725E+01>,   0.50000E+00
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  < -0.54153E+01,  0.57156E+01, -0.46962E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.45595E+01,  0.53631E+01, -0.50749E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.39201E+01,  0.46358E+01, -0.53245E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.36062E+01,  0.36984E+01, -0.54731E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.35282E+01,  0.27041E+01, -0.53959E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.37857E+01,  0.17607E+01, -0.56053E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.41697E+01,  0.84301E+00, -0.57000E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.45447E+01,  0.38963E-01, -0.61622E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.44711E+01, -0.77542E+00, -0.67379E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.40776E+01, -0.16464E+01, -0.70300E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.34526E+01, -0.24245E+01, -0.69567E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.29628E+01, -0.31630E+01, -0.64943E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.27679E+01, -0.37506E+01, -0.57093E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.25059E+01, -0.41564E+01, -0.48329E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.24673E+01, -0.47154E+01, -0.40042E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.27303E+01, -0.54236E+01, -0.33489E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.32226E+01, -0.61244E+01, -0.28336E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.37655E+01, -0.68475E+01, -0.24069E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.43866E+01, -0.75375E+01, -0.20339E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.52616E+01, -0.79376E+01, -0.17629E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.57203E+01, -0.82012E+01, -0.91406E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.62460E+01, -0.78694E+01, -0.13157E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.62769E+01, -0.69943E+01,  0.35163E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.59580E+01, -0.63284E+01,  0.10274E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.59951E+01, -0.54498E+01,  0.15029E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.59865E+01, -0.45115E+01,  0.18495E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.56367E+01, -0.35816E+01,  0.19610E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.51415E+01, -0.28168E+01,  0.23744E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.46621E+01, -0.21178E+01,  0.29056E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.42396E+01, -0.13214E+01,  0.33369E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.40399E+01, -0.36718E+00,  0.35590E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.42185E+01,  0.59000E+00,  0.37850E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.40782E+01,  0.15745E+01,  0.36766E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.43062E+01,  0.24984E+01,  0.33714E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.45393E+01,  0.33846E+01,  0.29685E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.46019E+01,  0.41529E+01,  0.23317E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.42241E+01,  0.49329E+01,  0.18331E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.40596E+01,  0.55119E+01,  0.10348E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.34904E+01,  0.59217E+01,  0.32261E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.40466E+01,  0.56148E+01, -0.44883E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.49142E+01,  0.53940E+01, -0.89531E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.56513E+01,  0.47923E+01, -0.12019E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.60453E+01,  0.40950E+01, -0.18014E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.60871E+01,  0.34068E+01, -0.25255E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.58573E+01,  0.27949E+01, -0.32821E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.54886E+01,  0.19533E+01, -0.36778E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.49318E+01,  0.11266E+01, -0.37525E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.46668E+01,  0.16183E+00, -0.37554E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.40953E+01, -0.64260E+00, -0.39161E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.34662E+01, -0.14132E+01, -0.38211E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.30583E+01, -0.23230E+01, -0.37450E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.27123E+01, -0.32555E+01, -0.38528E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.17183E+01, -0.33279E+01, -0.37698E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.87242E+00, -0.34705E+01, -0.32543E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  < -0.23968E+00, -0.36341E+01, -0.24974E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.52111E+00, -0.35067E+01, -0.18618E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.12486E+01, -0.29812E+01, -0.14204E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.22047E+01, -0.27313E+01, -0.12707E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.30427E+01, -0.26860E+01, -0.72630E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.38510E+01, -0.25728E+01, -0.14903E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.46113E+01, -0.20555E+01,  0.24462E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.53069E+01, -0.18730E+01,  0.93838E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.56392E+01, -0.14647E+01,  0.17887E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.63221E+01, -0.12149E+01,  0.24764E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.71601E+01, -0.17270E+01,  0.26649E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.79658E+01, -0.22043E+01,  0.30147E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.88856E+01, -0.23116E+01,  0.33923E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.95154E+01, -0.30626E+01,  0.31928E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.94225E+01, -0.39230E+01,  0.26916E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.90434E+01, -0.47281E+01,  0.22351E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.85377E+01, -0.52126E+01,  0.15214E+01>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.79040E+01, -0.56666E+01,  0.89566E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.71295E+01, -0.58246E+01,  0.28242E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.62428E+01, -0.61961E+01,  0.96497E-02>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.55105E+01, -0.68108E+01, -0.28505E+00>,   0.50000E+00
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


cylinder { < -0.40240E+00, -0.47072E+01, -0.98903E+00>,< -0.32911E-01, -0.37836E+01, -0.88290E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.32911E-01, -0.37836E+01, -0.88290E+00>,<  0.44989E+00, -0.29359E+01, -0.66396E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.44989E+00, -0.29359E+01, -0.66396E+00>,<  0.11896E+01, -0.23596E+01, -0.31788E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.11896E+01, -0.23596E+01, -0.31788E+00>,<  0.21371E+01, -0.20415E+01, -0.28641E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.21371E+01, -0.20415E+01, -0.28641E+00>,<  0.28771E+01, -0.14617E+01,  0.53901E-01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.28771E+01, -0.14617E+01,  0.53901E-01>,<  0.35581E+01, -0.11622E+01,  0.72227E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.35581E+01, -0.11622E+01,  0.72227E+00>,<  0.44754E+01, -0.91837E+00,  0.10357E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.44754E+01, -0.91837E+00,  0.10357E+01>,<  0.54460E+01, -0.71466E+00,  0.90210E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.54460E+01, -0.71466E+00,  0.90210E+00>,<  0.62689E+01, -0.17274E+00,  0.72994E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.62689E+01, -0.17274E+00,  0.72994E+00>,<  0.69524E+01,  0.55719E+00,  0.73410E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.69524E+01,  0.55719E+00,  0.73410E+00>,<  0.78879E+01,  0.90905E+00,  0.71448E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.78879E+01,  0.90905E+00,  0.71448E+00>,<  0.86404E+01,  0.14726E+01,  0.37238E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.86404E+01,  0.14726E+01,  0.37238E+00>,<  0.94451E+01,  0.16390E+01, -0.19726E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.94451E+01,  0.16390E+01, -0.19726E+00>,<  0.99738E+01,  0.10991E+01, -0.85265E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.99738E+01,  0.10991E+01, -0.85265E+00>,<  0.96297E+01,  0.67072E+00, -0.16879E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.96297E+01,  0.67072E+00, -0.16879E+01>,<  0.87413E+01,  0.47414E+00, -0.21032E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.87413E+01,  0.47414E+00, -0.21032E+01>,<  0.79526E+01, -0.46625E-01, -0.24298E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.79526E+01, -0.46625E-01, -0.24298E+01>,<  0.71463E+01, -0.55509E+00, -0.27323E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.71463E+01, -0.55509E+00, -0.27323E+01>,<  0.65378E+01, -0.10319E+01, -0.33673E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.65378E+01, -0.10319E+01, -0.33673E+01>,<  0.61066E+01, -0.14561E+01, -0.41629E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.61066E+01, -0.14561E+01, -0.41629E+01>,<  0.55749E+01, -0.19834E+01, -0.48259E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.55749E+01, -0.19834E+01, -0.48259E+01>,<  0.50298E+01, -0.23770E+01, -0.55657E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.50298E+01, -0.23770E+01, -0.55657E+01>,<  0.46438E+01, -0.30085E+01, -0.62386E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.46438E+01, -0.30085E+01, -0.62386E+01>,<  0.39286E+01, -0.36046E+01, -0.66047E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.39286E+01, -0.36046E+01, -0.66047E+01>,<  0.31154E+01, -0.41850E+01, -0.65760E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.31154E+01, -0.41850E+01, -0.65760E+01>,<  0.22246E+01, -0.46086E+01, -0.64092E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.22246E+01, -0.46086E+01, -0.64092E+01>,<  0.14063E+01, -0.49200E+01, -0.59260E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.14063E+01, -0.49200E+01, -0.59260E+01>,<  0.65019E+00, -0.52833E+01, -0.53814E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.65019E+00, -0.52833E+01, -0.53814E+01>,< -0.18512E+00, -0.56501E+01, -0.49734E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.18512E+00, -0.56501E+01, -0.49734E+01>,< -0.86676E+00, -0.63622E+01, -0.48039E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.86676E+00, -0.63622E+01, -0.48039E+01>,< -0.13512E+01, -0.70738E+01, -0.42944E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.13512E+01, -0.70738E+01, -0.42944E+01>,< -0.19299E+01, -0.78344E+01, -0.39978E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.19299E+01, -0.78344E+01, -0.39978E+01>,< -0.25246E+01, -0.83866E+01, -0.34146E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.25246E+01, -0.83866E+01, -0.34146E+01>,< -0.33405E+01, -0.86786E+01, -0.29152E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.33405E+01, -0.86786E+01, -0.29152E+01>,< -0.38482E+01, -0.90290E+01, -0.21283E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.38482E+01, -0.90290E+01, -0.21283E+01>,< -0.42237E+01, -0.88710E+01, -0.12155E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.42237E+01, -0.88710E+01, -0.12155E+01>,< -0.44890E+01, -0.83127E+01, -0.42927E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.44890E+01, -0.83127E+01, -0.42927E+00>,< -0.49092E+01, -0.79989E+01,  0.42214E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.49092E+01, -0.79989E+01,  0.42214E+00>,< -0.55981E+01, -0.75041E+01,  0.95054E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.55981E+01, -0.75041E+01,  0.95054E+00>,< -0.60278E+01, -0.70794E+01,  0.17483E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.60278E+01, -0.70794E+01,  0.17483E+01>,< -0.61648E+01, -0.62429E+01,  0.22787E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.61648E+01, -0.62429E+01,  0.22787E+01>,< -0.65842E+01, -0.53622E+01,  0.24948E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.65842E+01, -0.53622E+01,  0.24948E+01>,< -0.72052E+01, -0.45796E+01,  0.25614E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.72052E+01, -0.45796E+01,  0.25614E+01>,< -0.80751E+01, -0.41479E+01,  0.27977E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.80751E+01, -0.41479E+01,  0.27977E+01>,< -0.86330E+01, -0.33434E+01,  0.30019E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.86330E+01, -0.33434E+01,  0.30019E+01>,< -0.85305E+01, -0.23528E+01,  0.29062E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.85305E+01, -0.23528E+01,  0.29062E+01>,< -0.82215E+01, -0.14398E+01,  0.26434E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.82215E+01, -0.14398E+01,  0.26434E+01>,< -0.78826E+01, -0.71849E+00,  0.20384E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.78826E+01, -0.71849E+00,  0.20384E+01>,< -0.76042E+01,  0.10333E+00,  0.15411E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.76042E+01,  0.10333E+00,  0.15411E+01>,< -0.73391E+01,  0.89633E+00,  0.99268E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.73391E+01,  0.89633E+00,  0.99268E+00>,< -0.71925E+01,  0.18019E+01,  0.59452E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.71925E+01,  0.18019E+01,  0.59452E+00>,< -0.72925E+01,  0.26266E+01,  0.37635E-01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.72925E+01,  0.26266E+01,  0.37635E-01>,< -0.69850E+01,  0.33081E+01, -0.62582E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.69850E+01,  0.33081E+01, -0.62582E+00>,< -0.68936E+01,  0.40780E+01, -0.12573E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.68936E+01,  0.40780E+01, -0.12573E+01>,< -0.65987E+01,  0.49925E+01, -0.15358E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.65987E+01,  0.49925E+01, -0.15358E+01>,< -0.63371E+01,  0.59402E+01, -0.17205E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.63371E+01,  0.59402E+01, -0.17205E+01>,< -0.53995E+01,  0.62677E+01, -0.16032E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.53995E+01,  0.62677E+01, -0.16032E+01>,< -0.44729E+01,  0.64309E+01, -0.12663E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.44729E+01,  0.64309E+01, -0.12663E+01>,< -0.37428E+01,  0.66182E+01, -0.60885E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.37428E+01,  0.66182E+01, -0.60885E+00>,< -0.27877E+01,  0.66670E+01, -0.31419E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.27877E+01,  0.66670E+01, -0.31419E+00>,< -0.20510E+01,  0.68865E+01,  0.32545E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.20510E+01,  0.68865E+01,  0.32545E+00>,< -0.11314E+01,  0.71853E+01,  0.57957E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.11314E+01,  0.71853E+01,  0.57957E+00>,< -0.38371E+00,  0.75191E+01,  0.11531E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.38371E+00,  0.75191E+01,  0.11531E+01>,<  0.56510E+00,  0.77900E+01,  0.13158E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.56510E+00,  0.77900E+01,  0.13158E+01>,<  0.14713E+01,  0.81472E+01,  0.10893E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.14713E+01,  0.81472E+01,  0.10893E+01>,<  0.24668E+01,  0.81217E+01,  0.11776E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.24668E+01,  0.81217E+01,  0.11776E+01>,<  0.32760E+01,  0.75649E+01,  0.99048E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.32760E+01,  0.75649E+01,  0.99048E+00>,<  0.39457E+01,  0.68974E+01,  0.66488E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.39457E+01,  0.68974E+01,  0.66488E+00>,<  0.48614E+01,  0.65137E+01,  0.54067E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.48614E+01,  0.65137E+01,  0.54067E+00>,<  0.55674E+01,  0.58087E+01,  0.47312E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.55674E+01,  0.58087E+01,  0.47312E+00>,<  0.64096E+01,  0.52714E+01,  0.42872E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.64096E+01,  0.52714E+01,  0.42872E+00>,<  0.69333E+01,  0.44291E+01,  0.29876E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.69333E+01,  0.44291E+01,  0.29876E+00>,<  0.75618E+01,  0.36763E+01,  0.49618E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.75618E+01,  0.36763E+01,  0.49618E+00>,<  0.80936E+01,  0.28797E+01,  0.78246E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.80936E+01,  0.28797E+01,  0.78246E+00>,<  0.86537E+01,  0.23371E+01,  0.14080E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.86537E+01,  0.23371E+01,  0.14080E+01>,<  0.86315E+01,  0.14742E+01,  0.19137E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.86315E+01,  0.14742E+01,  0.19137E+01>,<  0.81759E+01,  0.71089E+00,  0.23710E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.81759E+01,  0.71089E+00,  0.23710E+01>,<  0.79518E+01, -0.15171E+00,  0.28240E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.79518E+01, -0.15171E+00,  0.28240E+01>,<  0.75343E+01, -0.95138E+00,  0.32568E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.75343E+01, -0.95138E+00,  0.32568E+01>,<  0.72067E+01, -0.16954E+01,  0.38387E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.72067E+01, -0.16954E+01,  0.38387E+01>,<  0.70222E+01, -0.26359E+01,  0.41260E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.70222E+01, -0.26359E+01,  0.41260E+01>,<  0.66892E+01, -0.35664E+01,  0.39746E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.66892E+01, -0.35664E+01,  0.39746E+01>,<  0.60556E+01, -0.43389E+01,  0.40158E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.60556E+01, -0.43389E+01,  0.40158E+01>,<  0.55825E+01, -0.52108E+01,  0.38884E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.55825E+01, -0.52108E+01,  0.38884E+01>,<  0.51735E+01, -0.61202E+01,  0.38186E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.51735E+01, -0.61202E+01,  0.38186E+01>,<  0.50146E+01, -0.70629E+01,  0.41123E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.50146E+01, -0.70629E+01,  0.41123E+01>,<  0.42796E+01, -0.75902E+01,  0.45384E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.42796E+01, -0.75902E+01,  0.45384E+01>,<  0.33880E+01, -0.77658E+01,  0.49568E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.33880E+01, -0.77658E+01,  0.49568E+01>,<  0.24344E+01, -0.77035E+01,  0.46649E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.24344E+01, -0.77035E+01,  0.46649E+01>,<  0.17563E+01, -0.73036E+01,  0.40476E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.17563E+01, -0.73036E+01,  0.40476E+01>,<  0.12579E+01, -0.65533E+01,  0.36128E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.12579E+01, -0.65533E+01,  0.36128E+01>,<  0.46000E+00, -0.60139E+01,  0.33446E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.46000E+00, -0.60139E+01,  0.33446E+01>,< -0.49038E-01, -0.52062E+01,  0.30474E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.49038E-01, -0.52062E+01,  0.30474E+01>,< -0.70690E+00, -0.44543E+01,  0.31068E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.70690E+00, -0.44543E+01,  0.31068E+01>,< -0.12823E+01, -0.37778E+01,  0.35638E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.12823E+01, -0.37778E+01,  0.35638E+01>,< -0.20123E+01, -0.31507E+01,  0.38361E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.20123E+01, -0.31507E+01,  0.38361E+01>,< -0.25464E+01, -0.25474E+01,  0.44295E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.25464E+01, -0.25474E+01,  0.44295E+01>,< -0.32759E+01, -0.22902E+01,  0.50637E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.32759E+01, -0.22902E+01,  0.50637E+01>,< -0.39196E+01, -0.19300E+01,  0.57388E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.39196E+01, -0.19300E+01,  0.57388E+01>,< -0.46271E+01, -0.18360E+01,  0.64386E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.46271E+01, -0.18360E+01,  0.64386E+01>,< -0.52682E+01, -0.20290E+01,  0.71813E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.52682E+01, -0.20290E+01,  0.71813E+01>,< -0.60374E+01, -0.14360E+01,  0.74197E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.60374E+01, -0.14360E+01,  0.74197E+01>,< -0.61037E+01, -0.44365E+00,  0.73146E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.61037E+01, -0.44365E+00,  0.73146E+01>,< -0.60731E+01,  0.22367E+00,  0.65703E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.60731E+01,  0.22367E+00,  0.65703E+01>,< -0.56149E+01,  0.73333E+00,  0.58429E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.56149E+01,  0.73333E+00,  0.58429E+01>,< -0.51855E+01,  0.93198E+00,  0.49619E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.51855E+01,  0.93198E+00,  0.49619E+01>,< -0.51358E+01,  0.11650E+01,  0.39905E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.51358E+01,  0.11650E+01,  0.39905E+01>,< -0.47774E+01,  0.12129E+01,  0.30583E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.47774E+01,  0.12129E+01,  0.30583E+01>,< -0.42626E+01,  0.14513E+01,  0.22342E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.42626E+01,  0.14513E+01,  0.22342E+01>,< -0.39578E+01,  0.20520E+01,  0.14952E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.39578E+01,  0.20520E+01,  0.14952E+01>,< -0.38701E+01,  0.29265E+01,  0.10189E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.38701E+01,  0.29265E+01,  0.10189E+01>,< -0.35811E+01,  0.37040E+01,  0.46027E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.35811E+01,  0.37040E+01,  0.46027E+00>,< -0.32696E+01,  0.46392E+01,  0.29177E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.32696E+01,  0.46392E+01,  0.29177E+00>,< -0.26127E+01,  0.53798E+01,  0.14650E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.26127E+01,  0.53798E+01,  0.14650E+00>,< -0.17254E+01,  0.58214E+01,  0.19355E-01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.17254E+01,  0.58214E+01,  0.19355E-01>,< -0.86600E+00,  0.62113E+01,  0.35140E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.86600E+00,  0.62113E+01,  0.35140E+00>,< -0.20353E+00,  0.64969E+01,  0.10439E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.20353E+00,  0.64969E+01,  0.10439E+01>,<  0.41600E+00,  0.67209E+01,  0.17962E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.41600E+00,  0.67209E+01,  0.17962E+01>,<  0.12741E+01,  0.67839E+01,  0.23064E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.12741E+01,  0.67839E+01,  0.23064E+01>,<  0.20383E+01,  0.67388E+01,  0.29494E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.20383E+01,  0.67388E+01,  0.29494E+01>,<  0.28568E+01,  0.71057E+01,  0.33914E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.28568E+01,  0.71057E+01,  0.33914E+01>,<  0.38350E+01,  0.70607E+01,  0.35930E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.38350E+01,  0.70607E+01,  0.35930E+01>,<  0.48201E+01,  0.69219E+01,  0.34907E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.48201E+01,  0.69219E+01,  0.34907E+01>,<  0.55387E+01,  0.66208E+01,  0.28644E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.55387E+01,  0.66208E+01,  0.28644E+01>,<  0.58360E+01,  0.62294E+01,  0.19931E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.58360E+01,  0.62294E+01,  0.19931E+01>,<  0.59496E+01,  0.54726E+01,  0.13506E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.59496E+01,  0.54726E+01,  0.13506E+01>,<  0.59682E+01,  0.45348E+01,  0.10012E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.59682E+01,  0.45348E+01,  0.10012E+01>,<  0.58213E+01,  0.35499E+01,  0.10811E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.58213E+01,  0.35499E+01,  0.10811E+01>,<  0.61085E+01,  0.26190E+01,  0.13093E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.61085E+01,  0.26190E+01,  0.13093E+01>,<  0.65411E+01,  0.17294E+01,  0.14581E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.65411E+01,  0.17294E+01,  0.14581E+01>,<  0.69253E+01,  0.85031E+00,  0.17375E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.69253E+01,  0.85031E+00,  0.17375E+01>,<  0.72590E+01, -0.83663E-01,  0.16093E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.72590E+01, -0.83663E-01,  0.16093E+01>,<  0.74403E+01, -0.10666E+01,  0.15772E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.74403E+01, -0.10666E+01,  0.15772E+01>,<  0.75617E+01, -0.20583E+01,  0.16173E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.75617E+01, -0.20583E+01,  0.16173E+01>,<  0.79595E+01, -0.29211E+01,  0.19300E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.79595E+01, -0.29211E+01,  0.19300E+01>,<  0.86492E+01, -0.36430E+01,  0.20004E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.86492E+01, -0.36430E+01,  0.20004E+01>,<  0.90849E+01, -0.42008E+01,  0.12941E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.90849E+01, -0.42008E+01,  0.12941E+01>,<  0.93515E+01, -0.45447E+01,  0.39405E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.93515E+01, -0.45447E+01,  0.39405E+00>,<  0.89894E+01, -0.44068E+01, -0.52801E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.89894E+01, -0.44068E+01, -0.52801E+00>,<  0.82655E+01, -0.39955E+01, -0.10815E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.82655E+01, -0.39955E+01, -0.10815E+01>,<  0.76607E+01, -0.32447E+01, -0.13458E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.76607E+01, -0.32447E+01, -0.13458E+01>,<  0.71711E+01, -0.25176E+01, -0.18269E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.71711E+01, -0.25176E+01, -0.18269E+01>,<  0.63418E+01, -0.20449E+01, -0.21260E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.63418E+01, -0.20449E+01, -0.21260E+01>,<  0.56978E+01, -0.16954E+01, -0.28066E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.56978E+01, -0.16954E+01, -0.28066E+01>,<  0.53865E+01, -0.10700E+01, -0.35221E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.53865E+01, -0.10700E+01, -0.35221E+01>,<  0.46983E+01, -0.63099E+00, -0.40992E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.46983E+01, -0.63099E+00, -0.40992E+01>,<  0.37697E+01, -0.32358E+00, -0.43070E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.37697E+01, -0.32358E+00, -0.43070E+01>,<  0.30394E+01,  0.34840E+00, -0.44344E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.30394E+01,  0.34840E+00, -0.44344E+01>,<  0.24614E+01,  0.11630E+01, -0.44146E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.24614E+01,  0.11630E+01, -0.44146E+01>,<  0.16947E+01,  0.17452E+01, -0.41401E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.16947E+01,  0.17452E+01, -0.41401E+01>,<  0.82077E+00,  0.19505E+01, -0.37009E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.82077E+00,  0.19505E+01, -0.37009E+01>,< -0.17188E+00,  0.19350E+01, -0.35747E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.17188E+00,  0.19350E+01, -0.35747E+01>,< -0.11218E+01,  0.16987E+01, -0.37801E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.11218E+01,  0.16987E+01, -0.37801E+01>,< -0.20173E+01,  0.14359E+01, -0.41386E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.20173E+01,  0.14359E+01, -0.41386E+01>,< -0.29663E+01,  0.13308E+01, -0.44360E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.29663E+01,  0.13308E+01, -0.44360E+01>,< -0.39566E+01,  0.14572E+01, -0.44958E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.39566E+01,  0.14572E+01, -0.44958E+01>,< -0.49140E+01,  0.16013E+01, -0.47466E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.49140E+01,  0.16013E+01, -0.47466E+01>,< -0.58946E+01,  0.14307E+01, -0.46584E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.58946E+01,  0.14307E+01, -0.46584E+01>,< -0.67525E+01,  0.93711E+00, -0.48077E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.67525E+01,  0.93711E+00, -0.48077E+01>,< -0.75109E+01,  0.29910E+00, -0.46780E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.75109E+01,  0.29910E+00, -0.46780E+01>,< -0.81802E+01, -0.37537E+00, -0.43671E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.81802E+01, -0.37537E+00, -0.43671E+01>,< -0.82780E+01, -0.78141E+00, -0.34579E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.82780E+01, -0.78141E+00, -0.34579E+01>,< -0.86189E+01, -0.13525E+01, -0.27118E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.86189E+01, -0.13525E+01, -0.27118E+01>,< -0.81232E+01, -0.19774E+01, -0.21091E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.81232E+01, -0.19774E+01, -0.21091E+01>,< -0.75866E+01, -0.24249E+01, -0.13933E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.75866E+01, -0.24249E+01, -0.13933E+01>,< -0.73583E+01, -0.27822E+01, -0.48770E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.73583E+01, -0.27822E+01, -0.48770E+00>,< -0.74776E+01, -0.30665E+01,  0.46346E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.74776E+01, -0.30665E+01,  0.46346E+00>,< -0.72465E+01, -0.31191E+01,  0.14346E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.72465E+01, -0.31191E+01,  0.14346E+01>,< -0.66640E+01, -0.33292E+01,  0.22205E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.66640E+01, -0.33292E+01,  0.22205E+01>,< -0.60262E+01, -0.31665E+01,  0.29724E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.60262E+01, -0.31665E+01,  0.29724E+01>,< -0.52455E+01, -0.32862E+01,  0.35872E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.52455E+01, -0.32862E+01,  0.35872E+01>,< -0.48166E+01, -0.33219E+01,  0.44890E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.48166E+01, -0.33219E+01,  0.44890E+01>,< -0.44306E+01, -0.29254E+01,  0.53221E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.44306E+01, -0.29254E+01,  0.53221E+01>,< -0.42381E+01, -0.28955E+01,  0.63028E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.42381E+01, -0.28955E+01,  0.63028E+01>,< -0.41147E+01, -0.25398E+01,  0.72294E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.41147E+01, -0.25398E+01,  0.72294E+01>,< -0.37344E+01, -0.16871E+01,  0.75881E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.37344E+01, -0.16871E+01,  0.75881E+01>,< -0.33918E+01, -0.81775E+00,  0.72343E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.33918E+01, -0.81775E+00,  0.72343E+01>,< -0.31473E+01, -0.18568E+00,  0.64985E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.31473E+01, -0.18568E+00,  0.64985E+01>,< -0.32312E+01,  0.66383E+00,  0.59775E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.32312E+01,  0.66383E+00,  0.59775E+01>,< -0.28888E+01,  0.14756E+01,  0.55043E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.28888E+01,  0.14756E+01,  0.55043E+01>,< -0.25043E+01,  0.23699E+01,  0.52769E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.25043E+01,  0.23699E+01,  0.52769E+01>,< -0.21634E+01,  0.33093E+01,  0.53215E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.21634E+01,  0.33093E+01,  0.53215E+01>,< -0.21380E+01,  0.42689E+01,  0.50426E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.21380E+01,  0.42689E+01,  0.50426E+01>,< -0.20679E+01,  0.52038E+01,  0.46924E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.20679E+01,  0.52038E+01,  0.46924E+01>,< -0.24248E+01,  0.60283E+01,  0.42542E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.24248E+01,  0.60283E+01,  0.42542E+01>,< -0.24138E+01,  0.69770E+01,  0.39398E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.24138E+01,  0.69770E+01,  0.39398E+01>,< -0.24716E+01,  0.72628E+01,  0.29838E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.24716E+01,  0.72628E+01,  0.29838E+01>,< -0.22765E+01,  0.68232E+01,  0.21066E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.22765E+01,  0.68232E+01,  0.21066E+01>,< -0.20847E+01,  0.60603E+01,  0.14903E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.20847E+01,  0.60603E+01,  0.14903E+01>,< -0.18982E+01,  0.52788E+01,  0.89513E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.18982E+01,  0.52788E+01,  0.89513E+00>,< -0.14971E+01,  0.46645E+01,  0.21490E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.14971E+01,  0.46645E+01,  0.21490E+00>,< -0.73986E+00,  0.41665E+01, -0.20750E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.73986E+00,  0.41665E+01, -0.20750E+00>,<  0.11208E+00,  0.38032E+01, -0.58379E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.11208E+00,  0.38032E+01, -0.58379E+00>,<  0.95570E+00,  0.32676E+01, -0.62722E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.95570E+00,  0.32676E+01, -0.62722E+00>,<  0.15375E+01,  0.24554E+01, -0.59216E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.15375E+01,  0.24554E+01, -0.59216E+00>,<  0.22017E+01,  0.17540E+01, -0.85125E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.22017E+01,  0.17540E+01, -0.85125E+00>,<  0.30329E+01,  0.13072E+01, -0.11826E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.30329E+01,  0.13072E+01, -0.11826E+01>,<  0.36078E+01,  0.89348E+00, -0.18886E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.36078E+01,  0.89348E+00, -0.18886E+01>,<  0.44661E+01,  0.61142E+00, -0.23187E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.44661E+01,  0.61142E+00, -0.23187E+01>,<  0.52321E+01,  0.72503E+00, -0.29501E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.52321E+01,  0.72503E+00, -0.29501E+01>,<  0.59814E+01,  0.11657E+01, -0.34454E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.59814E+01,  0.11657E+01, -0.34454E+01>,<  0.67617E+01,  0.16421E+01, -0.38499E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.67617E+01,  0.16421E+01, -0.38499E+01>,<  0.77036E+01,  0.16930E+01, -0.41807E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.77036E+01,  0.16930E+01, -0.41807E+01>,<  0.86394E+01,  0.20463E+01, -0.41624E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.86394E+01,  0.20463E+01, -0.41624E+01>,<  0.88884E+01,  0.27010E+01, -0.34488E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.88884E+01,  0.27010E+01, -0.34488E+01>,<  0.84348E+01,  0.32891E+01, -0.27796E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.84348E+01,  0.32891E+01, -0.27796E+01>,<  0.78473E+01,  0.36736E+01, -0.20678E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.78473E+01,  0.36736E+01, -0.20678E+01>,<  0.69486E+01,  0.38302E+01, -0.16576E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.69486E+01,  0.38302E+01, -0.16576E+01>,<  0.62410E+01,  0.38913E+01, -0.95349E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.62410E+01,  0.38913E+01, -0.95349E+00>,<  0.53425E+01,  0.38912E+01, -0.51497E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.53425E+01,  0.38912E+01, -0.51497E+00>,<  0.44482E+01,  0.41435E+01, -0.14635E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.44482E+01,  0.41435E+01, -0.14635E+00>,<  0.35040E+01,  0.44622E+01, -0.54452E-01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.35040E+01,  0.44622E+01, -0.54452E-01>,<  0.25123E+01,  0.44041E+01,  0.60413E-01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.25123E+01,  0.44041E+01,  0.60413E-01>,<  0.15935E+01,  0.47962E+01,  0.10025E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.15935E+01,  0.47962E+01,  0.10025E+00>,<  0.80818E+00,  0.53617E+01, -0.15068E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.80818E+00,  0.53617E+01, -0.15068E+00>,< -0.79058E-01,  0.55990E+01, -0.54619E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.79058E-01,  0.55990E+01, -0.54619E+00>,< -0.10169E+01,  0.57697E+01, -0.84951E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.10169E+01,  0.57697E+01, -0.84951E+00>,< -0.19868E+01,  0.55706E+01, -0.99065E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.19868E+01,  0.55706E+01, -0.99065E+00>,< -0.29513E+01,  0.56440E+01, -0.12445E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.29513E+01,  0.56440E+01, -0.12445E+01>,< -0.39215E+01,  0.56114E+01, -0.14844E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.39215E+01,  0.56114E+01, -0.14844E+01>,< -0.47554E+01,  0.54335E+01, -0.20055E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.47554E+01,  0.54335E+01, -0.20055E+01>,< -0.56162E+01,  0.55679E+01, -0.24978E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.56162E+01,  0.55679E+01, -0.24978E+01>,< -0.62470E+01,  0.60675E+01, -0.30912E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.62470E+01,  0.60675E+01, -0.30912E+01>,< -0.60728E+01,  0.61383E+01, -0.40725E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.60728E+01,  0.61383E+01, -0.40725E+01>,< -0.54153E+01,  0.57156E+01, -0.46962E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.54153E+01,  0.57156E+01, -0.46962E+01>,< -0.45595E+01,  0.53631E+01, -0.50749E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.45595E+01,  0.53631E+01, -0.50749E+01>,< -0.39201E+01,  0.46358E+01, -0.53245E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.39201E+01,  0.46358E+01, -0.53245E+01>,< -0.36062E+01,  0.36984E+01, -0.54731E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.36062E+01,  0.36984E+01, -0.54731E+01>,< -0.35282E+01,  0.27041E+01, -0.53959E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.35282E+01,  0.27041E+01, -0.53959E+01>,< -0.37857E+01,  0.17607E+01, -0.56053E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.37857E+01,  0.17607E+01, -0.56053E+01>,< -0.41697E+01,  0.84301E+00, -0.57000E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.41697E+01,  0.84301E+00, -0.57000E+01>,< -0.45447E+01,  0.38963E-01, -0.61622E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.45447E+01,  0.38963E-01, -0.61622E+01>,< -0.44711E+01, -0.77542E+00, -0.67379E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.44711E+01, -0.77542E+00, -0.67379E+01>,< -0.40776E+01, -0.16464E+01, -0.70300E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.40776E+01, -0.16464E+01, -0.70300E+01>,< -0.34526E+01, -0.24245E+01, -0.69567E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.34526E+01, -0.24245E+01, -0.69567E+01>,< -0.29628E+01, -0.31630E+01, -0.64943E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.29628E+01, -0.31630E+01, -0.64943E+01>,< -0.27679E+01, -0.37506E+01, -0.57093E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.27679E+01, -0.37506E+01, -0.57093E+01>,< -0.25059E+01, -0.41564E+01, -0.48329E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.25059E+01, -0.41564E+01, -0.48329E+01>,< -0.24673E+01, -0.47154E+01, -0.40042E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.24673E+01, -0.47154E+01, -0.40042E+01>,< -0.27303E+01, -0.54236E+01, -0.33489E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.27303E+01, -0.54236E+01, -0.33489E+01>,< -0.32226E+01, -0.61244E+01, -0.28336E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.32226E+01, -0.61244E+01, -0.28336E+01>,< -0.37655E+01, -0.68475E+01, -0.24069E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.37655E+01, -0.68475E+01, -0.24069E+01>,< -0.43866E+01, -0.75375E+01, -0.20339E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.43866E+01, -0.75375E+01, -0.20339E+01>,< -0.52616E+01, -0.79376E+01, -0.17629E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.52616E+01, -0.79376E+01, -0.17629E+01>,< -0.57203E+01, -0.82012E+01, -0.91406E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.57203E+01, -0.82012E+01, -0.91406E+00>,< -0.62460E+01, -0.78694E+01, -0.13157E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.62460E+01, -0.78694E+01, -0.13157E+00>,< -0.62769E+01, -0.69943E+01,  0.35163E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.62769E+01, -0.69943E+01,  0.35163E+00>,< -0.59580E+01, -0.63284E+01,  0.10274E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.59580E+01, -0.63284E+01,  0.10274E+01>,< -0.59951E+01, -0.54498E+01,  0.15029E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.59951E+01, -0.54498E+01,  0.15029E+01>,< -0.59865E+01, -0.45115E+01,  0.18495E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.59865E+01, -0.45115E+01,  0.18495E+01>,< -0.56367E+01, -0.35816E+01,  0.19610E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.56367E+01, -0.35816E+01,  0.19610E+01>,< -0.51415E+01, -0.28168E+01,  0.23744E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.51415E+01, -0.28168E+01,  0.23744E+01>,< -0.46621E+01, -0.21178E+01,  0.29056E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.46621E+01, -0.21178E+01,  0.29056E+01>,< -0.42396E+01, -0.13214E+01,  0.33369E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.42396E+01, -0.13214E+01,  0.33369E+01>,< -0.40399E+01, -0.36718E+00,  0.35590E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.40399E+01, -0.36718E+00,  0.35590E+01>,< -0.42185E+01,  0.59000E+00,  0.37850E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.42185E+01,  0.59000E+00,  0.37850E+01>,< -0.40782E+01,  0.15745E+01,  0.36766E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.40782E+01,  0.15745E+01,  0.36766E+01>,< -0.43062E+01,  0.24984E+01,  0.33714E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.43062E+01,  0.24984E+01,  0.33714E+01>,< -0.45393E+01,  0.33846E+01,  0.29685E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.45393E+01,  0.33846E+01,  0.29685E+01>,< -0.46019E+01,  0.41529E+01,  0.23317E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.46019E+01,  0.41529E+01,  0.23317E+01>,< -0.42241E+01,  0.49329E+01,  0.18331E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.42241E+01,  0.49329E+01,  0.18331E+01>,< -0.40596E+01,  0.55119E+01,  0.10348E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.40596E+01,  0.55119E+01,  0.10348E+01>,< -0.34904E+01,  0.59217E+01,  0.32261E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.34904E+01,  0.59217E+01,  0.32261E+00>,< -0.40466E+01,  0.56148E+01, -0.44883E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.40466E+01,  0.56148E+01, -0.44883E+00>,< -0.49142E+01,  0.53940E+01, -0.89531E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.49142E+01,  0.53940E+01, -0.89531E+00>,< -0.56513E+01,  0.47923E+01, -0.12019E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.56513E+01,  0.47923E+01, -0.12019E+01>,< -0.60453E+01,  0.40950E+01, -0.18014E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.60453E+01,  0.40950E+01, -0.18014E+01>,< -0.60871E+01,  0.34068E+01, -0.25255E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.60871E+01,  0.34068E+01, -0.25255E+01>,< -0.58573E+01,  0.27949E+01, -0.32821E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.58573E+01,  0.27949E+01, -0.32821E+01>,< -0.54886E+01,  0.19533E+01, -0.36778E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.54886E+01,  0.19533E+01, -0.36778E+01>,< -0.49318E+01,  0.11266E+01, -0.37525E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.49318E+01,  0.11266E+01, -0.37525E+01>,< -0.46668E+01,  0.16183E+00, -0.37554E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.46668E+01,  0.16183E+00, -0.37554E+01>,< -0.40953E+01, -0.64260E+00, -0.39161E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.40953E+01, -0.64260E+00, -0.39161E+01>,< -0.34662E+01, -0.14132E+01, -0.38211E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.34662E+01, -0.14132E+01, -0.38211E+01>,< -0.30583E+01, -0.23230E+01, -0.37450E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.30583E+01, -0.23230E+01, -0.37450E+01>,< -0.27123E+01, -0.32555E+01, -0.38528E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.27123E+01, -0.32555E+01, -0.38528E+01>,< -0.17183E+01, -0.33279E+01, -0.37698E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.17183E+01, -0.33279E+01, -0.37698E+01>,< -0.87242E+00, -0.34705E+01, -0.32543E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.87242E+00, -0.34705E+01, -0.32543E+01>,< -0.23968E+00, -0.36341E+01, -0.24974E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { < -0.23968E+00, -0.36341E+01, -0.24974E+01>,<  0.52111E+00, -0.35067E+01, -0.18618E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.52111E+00, -0.35067E+01, -0.18618E+01>,<  0.12486E+01, -0.29812E+01, -0.14204E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.12486E+01, -0.29812E+01, -0.14204E+01>,<  0.22047E+01, -0.27313E+01, -0.12707E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.22047E+01, -0.27313E+01, -0.12707E+01>,<  0.30427E+01, -0.26860E+01, -0.72630E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.30427E+01, -0.26860E+01, -0.72630E+00>,<  0.38510E+01, -0.25728E+01, -0.14903E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.38510E+01, -0.25728E+01, -0.14903E+00>,<  0.46113E+01, -0.20555E+01,  0.24462E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.46113E+01, -0.20555E+01,  0.24462E+00>,<  0.53069E+01, -0.18730E+01,  0.93838E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.53069E+01, -0.18730E+01,  0.93838E+00>,<  0.56392E+01, -0.14647E+01,  0.17887E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.56392E+01, -0.14647E+01,  0.17887E+01>,<  0.63221E+01, -0.12149E+01,  0.24764E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.63221E+01, -0.12149E+01,  0.24764E+01>,<  0.71601E+01, -0.17270E+01,  0.26649E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.71601E+01, -0.17270E+01,  0.26649E+01>,<  0.79658E+01, -0.22043E+01,  0.30147E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.79658E+01, -0.22043E+01,  0.30147E+01>,<  0.88856E+01, -0.23116E+01,  0.33923E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.88856E+01, -0.23116E+01,  0.33923E+01>,<  0.95154E+01, -0.30626E+01,  0.31928E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.95154E+01, -0.30626E+01,  0.31928E+01>,<  0.94225E+01, -0.39230E+01,  0.26916E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.94225E+01, -0.39230E+01,  0.26916E+01>,<  0.90434E+01, -0.47281E+01,  0.22351E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.90434E+01, -0.47281E+01,  0.22351E+01>,<  0.85377E+01, -0.52126E+01,  0.15214E+01>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.85377E+01, -0.52126E+01,  0.15214E+01>,<  0.79040E+01, -0.56666E+01,  0.89566E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.79040E+01, -0.56666E+01,  0.89566E+00>,<  0.71295E+01, -0.58246E+01,  0.28242E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.71295E+01, -0.58246E+01,  0.28242E+00>,<  0.62428E+01, -0.61961E+01,  0.96497E-02>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
cylinder { <  0.62428E+01, -0.61961E+01,  0.96497E-02>,<  0.55105E+01, -0.68108E+01, -0.28505E+00>,  0.25000E+00pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }
