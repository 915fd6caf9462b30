#include "colors.inc"


camera {
  location <  0.17278E+01,   0.34368E+00,   0.88565E+01>
  look_at <0, 0, 0>
  sky <0, 1, 0>
}


light_source {
  <  0.10136E+01,   0.27159E+00,   0.11809E+02>
  color Gray50
}


light_source {
  <  0.46343E+01,  -0.61011E+00,   0.17445E+02>
  color Gray50
}


sphere {
  < -0.10000E+01,  0.00000E+00,  0.00000E+00>,   0.10000E+01
  pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.10000E+01,  0.00000E+00,  0.00000E+00>,   0.10000E+01
  pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                               }


sphere {
  <  0.00000E+00, -0.50000E+00,  0.00000E+00>,   0.10000E+01
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


sphere {
  <  0.00000E+00,  0.50000E+00,  0.00000E+00>,   0.10000E+01
  pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                              }


sphere {
  <  0.00000E+00,  0.00000E+00, -0.30000E+01>,   0.10000E-01
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


sphere {
  <  0.00000E+00,  0.00000E+00,  0.30000E+01>,   0.10000E-01
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                             }


